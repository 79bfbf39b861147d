# tessarel_generate_content(<target> <source folder> [AMENDED] <name>...)
# Builds <name>.Dat beside the program from <source folder>/<name>.txt for each name, with the
# regulation text of content/sources available to @rule. With AMENDED it builds <name>A.Dat instead,
# whose @rule paragraphs are shown as amended in 2013, compared with the 2003 text. Each page is rebuilt
# when any source in the folder, the regulation text or the generator changes. The program target
# depends on <target>.
function(tessarel_generate_content target source_dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "AMENDED" "" "")
  cmake_path(SET rules NORMALIZE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../content/sources/security-rule-2003.txt)
  set(rule_options --rules ${rules})
  set(suffix "")
  set(amended "")
  if(arg_AMENDED)
    cmake_path(SET amended NORMALIZE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../content/sources/security-rule-amended.txt)
    list(APPEND rule_options --amended ${amended})
    set(suffix A)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.txt)
  set(outputs)
  foreach(name ${arg_UNPARSED_ARGUMENTS})
    set(output ${TESSAREL_PROGRAM_DIR}/${name}${suffix}.Dat)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:contentgen> ${rule_options} ${source_dir}/${name}.txt ${output}
      DEPENDS contentgen ${sources} ${rules} ${amended}
      COMMENT "Generating ${name}${suffix}.Dat"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  add_dependencies(Tessarel ${target})
endfunction()
