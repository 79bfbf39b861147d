# tessarel_generate_content(<target> <source folder> <name>...)
# Builds <name>.Dat beside the program from <source folder>/<name>.txt for each name, with the
# regulation text of content/sources available to @rule. Each page is rebuilt when any source in the
# folder, the regulation text or the generator changes. The program target depends on <target>.
function(tessarel_generate_content target source_dir)
  cmake_path(SET rules NORMALIZE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../content/sources/security-rule-2003.txt)
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.txt)
  set(outputs)
  foreach(name ${ARGN})
    set(output ${TESSAREL_PROGRAM_DIR}/${name}.Dat)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:contentgen> --rules ${rules} ${source_dir}/${name}.txt ${output}
      DEPENDS contentgen ${sources} ${rules}
      COMMENT "Generating ${name}.Dat"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  add_dependencies(Tessarel ${target})
endfunction()
