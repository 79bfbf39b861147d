# Every build checks that the core library includes no widget header (see CheckCoreIncludes.cmake).
function(tessarel_check_core_includes target)
  set(header_dirs)
  foreach(module Widgets PrintSupport)
    get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir IN LISTS dirs)
      if(dir MATCHES "/Qt${module}$")
        list(APPEND header_dirs ${dir})
      endif()
    endforeach()
  endforeach()
  # The target's own source files; what the build generates (moc, resources) is left out.
  set(sources "$<FILTER:$<FILTER:$<TARGET_PROPERTY:${target},SOURCES>,INCLUDE,\\.(h|cpp|inc)$>,EXCLUDE,_autogen/|^${CMAKE_BINARY_DIR}/>")
  set(list_file ${CMAKE_BINARY_DIR}/${target}_sources.txt)
  file(GENERATE OUTPUT ${list_file}
    CONTENT "$<JOIN:${sources},\n>\n")
  set(stamp ${CMAKE_BINARY_DIR}/${target}_includes.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCES_FILE=${list_file} "-DHEADER_DIRS=${header_dirs}" -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
    DEPENDS ${list_file} ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
            "${sources}"
    COMMENT "Checking that ${target} includes no widget header"
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(${target}_include_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_include_check)
  set(TESSAREL_WIDGET_HEADER_DIRS ${header_dirs} PARENT_SCOPE)
endfunction()
