# The reference and guidance files read beside the program, generated from the sources in this folder.
# Included at the end of the top level, once the program and the page generator exist.
if(NOT TARGET contentgen)
  return()
endif()
include(${CMAKE_SOURCE_DIR}/tools/ContentGen.cmake)

tessarel_generate_content(tessarel_reference_files ${CMAKE_CURRENT_LIST_DIR}
  RefRA1 RefRM1 RefSC1 RefTM1 RefAA1 RefAE1 RefEV1 RefFS1 RefWU1 RefEnc1 OrgReq1 OrgRef2 PPReq1)

# The additional information of the last category is read as "Addtl45.dat", with a lower-case extension.
set(rules ${CMAKE_SOURCE_DIR}/content/sources/security-rule-2003.txt)
set(additional ${TESSAREL_PROGRAM_DIR}/Addtl45.dat)
add_custom_command(OUTPUT ${additional}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:contentgen> --rules ${rules} ${CMAKE_CURRENT_LIST_DIR}/Addtl45.txt ${additional}
  DEPENDS contentgen ${CMAKE_CURRENT_LIST_DIR}/Addtl45.txt ${rules}
  COMMENT "Generating Addtl45.dat"
  VERBATIM)
add_custom_target(tessarel_additional_file ALL DEPENDS ${additional})
add_dependencies(Tessarel tessarel_additional_file)
