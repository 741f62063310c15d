# SPDX-License-Identifier: GPL-3.0-or-later
# Every SVG in res/resources.qrc is also drawn at build time at ratios 1 and
# 2, as the program would draw it, and compiled in beside its alias
# ("bitmaps/148.svg" gets "bitmaps/148@1x.pixels" and "bitmaps/148@2x.pixels"),
# as bare pixels, which the program uses instead of parsing the SVG. The SVGs stay the one source; the pixels live
# only in the build folder.

set(RYVANTA_PREDRAWN_RATIOS 1 2)
set(RYVANTA_PREDRAWN_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/pictures)

add_executable(render_picture res/tools/render_picture.cpp)
target_link_libraries(render_picture PRIVATE ryvanta_platform)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/resources.qrc)
file(STRINGS res/resources.qrc RYVANTA_SVG_ENTRIES REGEX "<file alias=\"[^\"]+\\.svg\">[^<]+</file>")
foreach(ratio ${RYVANTA_PREDRAWN_RATIOS})
  set(RYVANTA_PREDRAWN_QRC_FILES_${ratio})
endforeach()
foreach(entry ${RYVANTA_SVG_ENTRIES})
  string(REGEX MATCH "alias=\"([^\"]+)\\.svg\">([^<]+)<" entry "${entry}")
  set(alias ${CMAKE_MATCH_1})
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/res/${CMAKE_MATCH_2})
  set(arguments)
  set(outputs)
  foreach(ratio ${RYVANTA_PREDRAWN_RATIOS})
    set(name ${alias}@${ratio}x.pixels)
    list(APPEND arguments ${ratio} ${RYVANTA_PREDRAWN_FOLDER}/${name})
    list(APPEND outputs ${RYVANTA_PREDRAWN_FOLDER}/${name})
    string(APPEND RYVANTA_PREDRAWN_QRC_FILES_${ratio} "    <file>${name}</file>\n")
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND render_picture ${source} ${arguments}
    DEPENDS render_picture ${source}
    COMMENT "Drawing ${alias}.svg ahead of time"
    VERBATIM)
endforeach()

# Written only when it changes, and before qt_add_resources reads it for the
# pictures it depends on. Each ratio is a resource file of its own, so that
# the pictures one screen uses lie together in the program. Those at ratio 1
# are stored as they are, to be used where they lie; the larger ones at
# higher ratios compressed, since the pages of a program that a run touches
# stay in its memory.
foreach(ratio ${RYVANTA_PREDRAWN_RATIOS})
  file(CONFIGURE OUTPUT ${RYVANTA_PREDRAWN_FOLDER}/pictures_${ratio}x.qrc CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
<qresource prefix=\"/\">
${RYVANTA_PREDRAWN_QRC_FILES_${ratio}}</qresource>
</RCC>
")
  if(ratio EQUAL 1)
    set(options -no-compress)
  else()
    set(options -compress-algo zstd -threshold 0)
  endif()
  qt_add_resources(RYVANTA_RESOURCES ${RYVANTA_PREDRAWN_FOLDER}/pictures_${ratio}x.qrc OPTIONS ${options})
endforeach()
