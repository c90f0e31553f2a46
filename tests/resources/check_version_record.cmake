# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles one version record with windres and reads the compiled resource
# back: the fixed part, the Japanese translation, the strings and the icon.
if(NOT WINDRES OR NOT EXISTS "${WINDRES}")
  message("windres is not installed: the version record of ${PROGRAM} is not checked")
  return()
endif()

file(REMOVE "${OUTPUT}")
execute_process(
  COMMAND "${WINDRES}" "--preprocessor=${PREPROCESSOR}" --preprocessor-arg=-E --preprocessor-arg=-xc
          --preprocessor-arg=-DRC_INVOKED -O res "${SCRIPT}" -o "${OUTPUT}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "windres failed on ${SCRIPT}:\n${errors}")
endif()
file(READ "${OUTPUT}" res HEX)

# Text as it is stored: UTF-16 little endian, in hex. ASCII only.
function(utf16 text out)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

function(expect pattern what)
  if(NOT res MATCHES "${pattern}")
    message(FATAL_ERROR "${SCRIPT}: no ${what} in the compiled record")
  endif()
endfunction()

# A string entry: its key, the terminating zero, padding to four bytes, then
# the value with its own zero.
function(expect_string key value_hex)
  utf16("${key}" key_hex)
  expect("${key_hex}0000(0000)?${value_hex}0000" "${key} of the expected value")
endfunction()

# VS_FIXEDFILEINFO: signature, structure version, then file and product
# version (each as two 32-bit words, most significant first, little endian),
# from the project's version: "1.00" is 1.0.0.0.
string(REPLACE "." ";" parts "${VERSION}.0.0.0")
list(SUBLIST parts 0 4 parts)
function(le32 high low out)
  math(EXPR word "(${high} << 16) | ${low}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${word}" 2 -1 digits)
  string(LENGTH "${digits}" length)
  while(length LESS 8)
    string(PREPEND digits "0")
    math(EXPR length "${length} + 1")
  endwhile()
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" bytes "${digits}")
  string(TOLOWER "${bytes}" bytes)
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()
list(GET parts 0 a)
list(GET parts 1 b)
list(GET parts 2 c)
list(GET parts 3 d)
le32(${a} ${b} most)
le32(${c} ${d} least)
expect("bd04effe00000100${most}${least}${most}${least}" "fixed file and product version ${VERSION}")
# Japanese, code page 1200 (UTF-16).
utf16("041104B0" block)
expect("${block}" "string table for Japanese")
utf16("Translation" translation)
expect("${translation}0000(0000)?1104b004" "translation 0x0411, 1200")

foreach(entry "ProductName=Kalvex" "FileVersion=${VERSION}" "ProductVersion=${VERSION}" "InternalName=${PROGRAM}"
              "OriginalFilename=${PROGRAM}.exe")
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 key)
  list(GET entry 1 value)
  utf16("${value}" value_hex)
  expect_string("${key}" "${value_hex}")
endforeach()
# "方程式の解法" in UTF-16: the UTF-8 script was read in the right code page.
expect_string("FileDescription" "b9650b7a0f5f6e30e389d56c")

# The program icon: a group icon resource (type 14) with the name 1.
expect("ffff0e00ffff0100" "program icon")
