# Installs Ryvanta where a Linux desktop looks for it.

set(RYVANTA_APP_ID io.github.vantrell.Ryvanta)
set(RYVANTA_ICON_SIZES 16 22 24 32 48 64 128 256)

# The PNG icons are drawn from res/ryvanta.svg at build time, so the picture
# has one source.
add_executable(render_icon res/tools/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)

set(RYVANTA_ICON_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
set(RYVANTA_ICON_PNGS)
foreach(size ${RYVANTA_ICON_SIZES})
  list(APPEND RYVANTA_ICON_PNGS ${RYVANTA_ICON_FOLDER}/${size}x${size}/apps/ryvanta.png)
endforeach()
add_custom_command(OUTPUT ${RYVANTA_ICON_PNGS}
  COMMAND render_icon ${CMAKE_CURRENT_SOURCE_DIR}/res/ryvanta.svg ${RYVANTA_ICON_FOLDER} ryvanta ${RYVANTA_ICON_SIZES}
  DEPENDS render_icon res/ryvanta.svg
  COMMENT "Rendering the program icon in the hicolor sizes"
  VERBATIM)
add_custom_target(ryvanta_icons ALL DEPENDS ${RYVANTA_ICON_PNGS})

install(TARGETS ryvanta RUNTIME DESTINATION bin)
install(FILES res/${RYVANTA_APP_ID}.desktop DESTINATION share/applications)
install(FILES res/${RYVANTA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES res/ryvanta.svg DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${RYVANTA_ICON_FOLDER} DESTINATION share/icons)
# The program shows its help from the compiled-in copy; this one is for
# readers outside it.
install(FILES res/help/index.html DESTINATION share/doc/ryvanta)
