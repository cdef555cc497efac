# Installing and packaging: the programs, the desktop entry, the icon and the
# README under any prefix, and a Debian package of the same tree
# (cpack -G DEB). Included last from CMakeLists.txt so that every program
# target already exists.
include(GNUInstallDirs)

# One version for the programs and the package: the constant in version.h.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/core/app/version.h BM_VERSION_LINE
     REGEX "kVersion = \"[0-9]+\\.[0-9]+\\.[0-9]+\"")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" BM_VERSION "${BM_VERSION_LINE}")
if(NOT BM_VERSION)
    message(FATAL_ERROR "No kVersion = \"MAJOR.MINOR.PATCH\" in src/core/app/version.h")
endif()

set(BM_PROGRAMS bm13edit)
if(TARGET bm13check)
    list(APPEND BM_PROGRAMS bm13check)
endif()
install(TARGETS ${BM_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES dist/bm13edit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The PNG is rendered from the SVG and committed, so that building needs no
# SVG renderer: rsvg-convert -w 256 -h 256 dist/bm13edit.svg -o dist/bm13edit-256.png
install(FILES dist/bm13edit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES dist/bm13edit-256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME bm13edit.png)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME bm13edit)
set(CPACK_PACKAGE_VERSION ${BM_VERSION})
set(CPACK_PACKAGE_CONTACT "BM 1.3 editor team <bm13edit@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Brawlmark 1.3 Official Editor")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop editor for the plain-text data files of the wrestling-promotion
management game Brawlmark 1.3: promotions, the wrestlers roster, the start
date, venues and scenarios, with whole-folder checks of dates and scenario
readiness.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt 6 libraries (with the X11 platform and image plugins) come from the
# libraries the programs link; Wayland sessions run it natively with this.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)

if(BM_TESTS)
    add_test(NAME installed_tree
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DPREFIX=${CMAKE_BINARY_DIR}/installed-tree-test
                     "-DPROGRAMS=${BM_PROGRAMS}" -DVERSION=${BM_VERSION}
                     -DDOCDIR=${CMAKE_INSTALL_DOCDIR}
                     -P ${CMAKE_SOURCE_DIR}/tests/installed_tree.cmake)
    set_tests_properties(installed_tree PROPERTIES ENVIRONMENT "${BM_LSAN_OPTIONS}")
endif()
