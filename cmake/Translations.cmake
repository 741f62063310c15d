# SPDX-License-Identifier: GPL-3.0-or-later
# The window's texts in other languages. The Qt Linguist catalogues in
# translations/ are compiled and built into the program under :/i18n beside
# its other resources. lrelease leaves out an entry not yet translated, so
# the program says that text in English until someone translates it.
#
# After marking texts, gather them into every catalogue anew with
#   cmake --build build --target ryvanta_lupdate
# which keeps the translations made so far and drops texts no longer used.

set(RYVANTA_LANGUAGES de fr es it pt_BR ru pl nl)
set(RYVANTA_TRANSLATED_FOLDERS app controls calendar persons chart modes model platform cli)
set(RYVANTA_CATALOGUE_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/translations)

set(RYVANTA_TS_FILES)
set(RYVANTA_QM_QRC_FILES)
foreach(language ${RYVANTA_LANGUAGES})
  set(ts ${CMAKE_CURRENT_SOURCE_DIR}/translations/ryvanta_${language}.ts)
  set(qm ${RYVANTA_CATALOGUE_FOLDER}/ryvanta_${language}.qm)
  list(APPEND RYVANTA_TS_FILES ${ts})
  add_custom_command(OUTPUT ${qm}
    COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${language} catalogue"
    VERBATIM)
  string(APPEND RYVANTA_QM_QRC_FILES "    <file>ryvanta_${language}.qm</file>\n")
endforeach()

file(CONFIGURE OUTPUT ${RYVANTA_CATALOGUE_FOLDER}/translations.qrc CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
<qresource prefix=\"/i18n\">
${RYVANTA_QM_QRC_FILES}</qresource>
</RCC>
")
qt_add_resources(RYVANTA_RESOURCES ${RYVANTA_CATALOGUE_FOLDER}/translations.qrc)

add_custom_target(ryvanta_lupdate
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete -tr-function-alias translate+=Translated ${RYVANTA_TRANSLATED_FOLDERS} -ts ${RYVANTA_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
  COMMENT "Gathering the marked texts into translations/"
  VERBATIM)
