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

function(kalvex_check_layers)
  foreach(rule IN LISTS kalvex_layer_rules)
    string(FIND "${rule}" ":" colon)
    string(SUBSTRING "${rule}" 0 ${colon} target)
    math(EXPR after "${colon} + 1")
    string(SUBSTRING "${rule}" ${after} -1 allowed)
    string(REPLACE "," ";" allowed "${allowed}")
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
endfunction()
