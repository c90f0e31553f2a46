# SPDX-License-Identifier: GPL-3.0-or-later
# The arrows between the layers: each library may link only the layers
# named after it (and the helpers every layer may use). Any other arrow
# stops the configuration, naming it, so a screen that links another
# screen, or the platform a screen, never builds.
#   app -> registry -> screens -> platform -> module -> core;  analysis -> certified
#   registry -> files -> core;  kalvex-solve -> files, certified -> core
set(kalvex_layer_rules
  "kalvex_core:"
  "kalvex_module:kalvex_core"
  "kalvex_files:kalvex_core"
  "kalvex_platform:kalvex_module"
  "kalvex_setting:kalvex_platform"
  "kalvex_analysis:kalvex_platform,kalvex_certified"
  "kalvex_ticks:kalvex_platform"
  "kalvex_calculation:kalvex_platform"
  "kalvex_info:kalvex_platform"
  "kalvex_registry:kalvex_setting,kalvex_analysis,kalvex_ticks,kalvex_calculation,kalvex_info,kalvex_files"
  "Kalvex:kalvex_registry,kalvex_files"
  "zemo:kalvex_registry,kalvex_files"
  "kalvex_certified:kalvex_core"
  "kalvex-solve:kalvex_files,kalvex_certified"
)
set(kalvex_layer_helpers kalvex_warnings kalvex_i18n kalvex_version)

# The Qt modules each layer may use, directly or through what it links: the
# engine none, the files and the command-line solver Core alone, the windows
# Widgets (and Svg where pictures are written).
set(kalvex_layer_qt
  "kalvex_core:"
  "kalvex_module:kalvex_core"
  "kalvex_certified:"
  "kalvex_files:Core"
  "kalvex_i18n:Core"
  "kalvex_platform:Core,Gui,Widgets"
  "kalvex_setting:Core,Gui,Widgets"
  "kalvex_analysis:Core,Gui,Widgets,Svg"
  "kalvex_ticks:Core,Gui,Widgets"
  "kalvex_calculation:Core,Gui,Widgets"
  "kalvex_info:Core,Gui,Widgets"
  "kalvex_registry:Core,Gui,Widgets,Svg"
  "Kalvex:Core,Gui,Widgets,Svg"
  "zemo:Core,Gui,Widgets,Svg"
  "kalvex-solve:Core"
)

# The Qt modules `target` reaches through its own links and those of the
# project's libraries it links, as names without the Qt6:: prefix.
function(kalvex_qt_modules target out)
  set(seen "")
  set(queue ${target})
  set(found "")
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(links ${current} LINK_LIBRARIES)
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
      # Qt's own build helpers (Qt6::Platform and the like) are no modules.
      if(link MATCHES "^Qt6::(Core|Gui|Widgets|Svg|SvgWidgets|Test|Network|OpenGL|PrintSupport|Concurrent)$")
        list(APPEND found ${CMAKE_MATCH_1})
      elseif(link MATCHES "^kalvex_[A-Za-z0-9_]+$")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# "target:a,b" as the target and the list of what it may use.
function(kalvex_layer_rule rule target_out allowed_out)
  string(FIND "${rule}" ":" colon)
  string(SUBSTRING "${rule}" 0 ${colon} target)
  math(EXPR after "${colon} + 1")
  string(SUBSTRING "${rule}" ${after} -1 allowed)
  string(REPLACE "," ";" allowed "${allowed}")
  set(${target_out} "${target}" PARENT_SCOPE)
  set(${allowed_out} "${allowed}" PARENT_SCOPE)
endfunction()

function(kalvex_check_layers)
  foreach(rule IN LISTS kalvex_layer_rules)
    kalvex_layer_rule("${rule}" target allowed)
    if(NOT TARGET ${target})
      continue()
    endif()
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    string(REGEX MATCHALL "kalvex_[A-Za-z0-9_]+" linked "${links};${interface}")
    foreach(link IN LISTS linked)
      if(link IN_LIST allowed OR link IN_LIST kalvex_layer_helpers OR link MATCHES "^${target}_resources")
        continue()
      endif()
      if(link MATCHES "_resources_[0-9]+$")
        continue()
      endif()
      message(FATAL_ERROR "Layers: ${target} may not link ${link} (allowed: ${allowed})")
    endforeach()
  endforeach()
  foreach(rule IN LISTS kalvex_layer_qt)
    kalvex_layer_rule("${rule}" target allowed)
    if(NOT TARGET ${target})
      continue()
    endif()
    kalvex_qt_modules(${target} modules)
    foreach(module IN LISTS modules)
      if(NOT module IN_LIST allowed)
        message(FATAL_ERROR "Layers: ${target} may not use Qt6::${module} (allowed: ${allowed})")
      endif()
    endforeach()
  endforeach()
endfunction()
