# What `cmake --install` puts where, so that a desktop knows the program: the
# program, its menu entry, its AppStream metainfo and its icon in the hicolor
# theme; and the Debian package that `cpack -G DEB` makes of the same files.
include(GNUInstallDirs)

set(ZZ_ID io.github.zuzidaduve.Zuzidaduve)
set(ZZ_EMPAQUETADO ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS zuzidaduve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZZ_EMPAQUETADO}/${ZZ_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The calculation files' type (*.zzc), so that a file manager opens them here.
install(FILES ${ZZ_EMPAQUETADO}/${ZZ_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ZZ_ID}.xml)

# The release in the metainfo is the program's own version and date.
configure_file(${ZZ_EMPAQUETADO}/${ZZ_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/empaquetado/${ZZ_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/empaquetado/${ZZ_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG as drawn, and PNGs made from it for the desktops and
# menus that want fixed sizes.
set(ZZ_ICONOS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${ZZ_EMPAQUETADO}/${ZZ_ID}.svg DESTINATION ${ZZ_ICONOS}/scalable/apps)
find_program(ZZ_RSVG_CONVERT rsvg-convert)
if(ZZ_RSVG_CONVERT)
  set(ZZ_PNGS "")
  foreach(lado 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/empaquetado/iconos/${lado}/${ZZ_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/empaquetado/iconos/${lado}
      COMMAND ${ZZ_RSVG_CONVERT} -w ${lado} -h ${lado} -o ${png} ${ZZ_EMPAQUETADO}/${ZZ_ID}.svg
      DEPENDS ${ZZ_EMPAQUETADO}/${ZZ_ID}.svg
      VERBATIM)
    list(APPEND ZZ_PNGS ${png})
    install(FILES ${png} DESTINATION ${ZZ_ICONOS}/${lado}x${lado}/apps)
  endforeach()
  # Built with the program, so that installing after building only the
  # program finds them.
  add_custom_target(zz_iconos DEPENDS ${ZZ_PNGS})
  add_dependencies(zuzidaduve zz_iconos)
else()
  message(WARNING "rsvg-convert (librsvg2-bin) not found: only the SVG icon will be installed")
endif()

# The Debian package: its Depends come from the shared libraries the program
# really links, plus what it loads by name at run time: Qt's Spanish
# translations and the fonts behind "Arial", which it draws every window with.
set(CPACK_PACKAGE_NAME zuzidaduve)
set(CPACK_PACKAGE_VENDOR ZelvarSoft)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "financial calculator for loans, savings plans and depreciation")
set(CPACK_PACKAGE_DESCRIPTION
    "Desktop financial calculator for personal use, in Spanish. It works out a\n"
    "loan (instalment, interest, number of monthly instalments or capital), a\n"
    "savings plan and the depreciation of an asset (linear, sum of the years'\n"
    "digits, double declining balance), develops each into a table, and prints\n"
    "the table as an A4 report.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZelvarSoft <soporte@zelvarsoft.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/zuzidaduve/zuzidaduve)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6charts6, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# GPL-3.0-or-later: the licence goes with the package, where Debian keeps it.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zuzidaduve RENAME copyright)
include(CPack)
