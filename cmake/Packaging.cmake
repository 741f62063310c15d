# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Ryvanta where a Linux desktop looks for it and packs the same tree
# as a Debian package: `cpack -G DEB` in the build folder.

set(RYVANTA_APP_ID io.github.vantrell.Ryvanta)
set(RYVANTA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(RYVANTA_PACKAGE_MAINTAINER "Ryvanta maintainers <maintainers@users.noreply.c-seed-3458c679.example>"
  CACHE STRING "Maintainer field of the Debian package")

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

# Debian's documentation of the package: the copyright in the machine-readable
# form, and the changelog of this native package made from CHANGELOG.md and
# compressed without a name or time stamp, so two builds give the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(RYVANTA_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
add_custom_command(OUTPUT ${RYVANTA_CHANGELOG}.gz
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md -DOUTPUT=${RYVANTA_CHANGELOG}
    -DPACKAGE=ryvanta "-DMAINTAINER=${RYVANTA_PACKAGE_MAINTAINER}" -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMAND ${GZIP_PROGRAM} -9nf ${RYVANTA_CHANGELOG}
  DEPENDS CHANGELOG.md cmake/DebianChangelog.cmake
  COMMENT "Writing the Debian changelog"
  VERBATIM)
set(RYVANTA_MANUAL ${CMAKE_CURRENT_BINARY_DIR}/man/ryvanta.1)
add_custom_command(OUTPUT ${RYVANTA_MANUAL}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/docs/ryvanta.1 ${RYVANTA_MANUAL}
  COMMAND ${GZIP_PROGRAM} -9nf ${RYVANTA_MANUAL}
  DEPENDS docs/ryvanta.1
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(ryvanta_docs ALL DEPENDS ${RYVANTA_CHANGELOG}.gz ${RYVANTA_MANUAL}.gz)
install(FILES docs/copyright ${RYVANTA_CHANGELOG}.gz DESTINATION share/doc/ryvanta)
install(FILES ${RYVANTA_MANUAL}.gz DESTINATION share/man/man1)
install(FILES res/bash-completion/ryvanta DESTINATION share/bash-completion/completions)

set(CPACK_PACKAGE_NAME ryvanta)
set(CPACK_PACKAGE_VENDOR Vantrell)
set(CPACK_PACKAGE_CONTACT "${RYVANTA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chart biorhythms and critical days from a date of birth")
set(CPACK_PACKAGE_DESCRIPTION
  "Ryvanta charts the physical, emotional and intellectual biorhythms of a
person from a date of birth picked on its month calendar: a yearly curve,
the rhythm curves and a daily summary of a month, a timed walk over the
notable days of the month with how critical each one is, a comparison of two
persons and a small list of named persons kept between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library scan finds Qt's libraries but not what the program loads by
# name: the Liberation fonts it draws with, Qt's own translations of its
# dialogs' buttons, and Qt's X11 platform plugin. That plugin sits in
# libqt6gui6 on Debian 12, which the scan names anyway, and in a package of
# its own on later releases.
set(RYVANTA_DEBIAN_DEPENDS fonts-liberation2 qt6-translations-l10n)
find_program(DPKG_QUERY_PROGRAM dpkg-query)
set(RYVANTA_XCB_PLUGIN ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/libqxcb.so)
if(DPKG_QUERY_PROGRAM AND EXISTS ${RYVANTA_XCB_PLUGIN})
  execute_process(COMMAND ${DPKG_QUERY_PROGRAM} -S ${RYVANTA_XCB_PLUGIN}
    OUTPUT_VARIABLE RYVANTA_XCB_OWNER ERROR_QUIET RESULT_VARIABLE RYVANTA_XCB_RESULT)
  if(RYVANTA_XCB_RESULT EQUAL 0 AND RYVANTA_XCB_OWNER MATCHES "^([^:,]+)"
     AND NOT CMAKE_MATCH_1 STREQUAL "libqt6gui6")
    list(APPEND RYVANTA_DEBIAN_DEPENDS ${CMAKE_MATCH_1})
  endif()
endif()
list(JOIN RYVANTA_DEBIAN_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
