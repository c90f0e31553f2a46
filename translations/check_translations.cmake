# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the texts, when a message of TS_FILE has no finished,
# non-empty translation. Run by the build on a copy that lupdate has
# brought up to date with the sources.
cmake_minimum_required(VERSION 3.25)
file(READ "${TS_FILE}" rest)
set(missing "")
set(count 0)
while(TRUE)
  string(FIND "${rest}" "<message" start)
  if(start EQUAL -1)
    break()
  endif()
  string(SUBSTRING "${rest}" ${start} -1 rest)
  string(FIND "${rest}" "</message>" stop)
  if(stop EQUAL -1)
    message(FATAL_ERROR "${TS_FILE}: a message has no end")
  endif()
  string(SUBSTRING "${rest}" 0 ${stop} message)
  math(EXPR next "${stop} + 10")
  string(SUBSTRING "${rest}" ${next} -1 rest)
  math(EXPR count "${count} + 1")

  string(REGEX MATCH "<source>([^<]*)</source>" source_tag "${message}")
  set(source "${CMAKE_MATCH_1}")
  if(message MATCHES "<translation[^>]*type=\"(unfinished|vanished|obsolete)\""
     OR message MATCHES "<translation[^>]*/>"
     OR message MATCHES "<translation[^>]*>[ \t\r\n]*</translation>"
     OR NOT message MATCHES "<translation")
    string(APPEND missing "  ${source}\n")
  endif()
endwhile()
if(count EQUAL 0)
  message(FATAL_ERROR "${TS_FILE} holds no texts at all")
endif()
if(missing)
  message(FATAL_ERROR "These texts have no English translation in translations/kalvex_en.ts "
                      "(refresh it with the update_translations target, then translate them):\n${missing}")
endif()
