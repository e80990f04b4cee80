# Installation under the usual prefix folders, and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS tolvenar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tolvenar-instrument)
  install(TARGETS tolvenar-instrument RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The help and the animations: the program looks beside itself first, then here.
file(GLOB TOLVENAR_ANIMATIONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.gif)
install(FILES ${CMAKE_SOURCE_DIR}/resources/help.hlp ${TOLVENAR_ANIMATIONS}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvenar)

# The desktop's menu entry, the .afc file type and the icon.
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tolvenar.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tolvenar-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tolvenar.xml)
install(FILES ${CMAKE_SOURCE_DIR}/resources/tolvenar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/tolvenar.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# The manual page and the documents, in the package's own folder (DOCDIR would take the
# project's capitalised name).
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/tolvenar.1.in
               ${CMAKE_BINARY_DIR}/tolvenar.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tolvenar.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvenar)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvenar/docs
        FILES_MATCHING PATTERN "*.md")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvenar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvenar")
set(CPACK_PACKAGE_CONTACT "Tolvenar developers <tolvenar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arbitrary waveform editor for the KTR6610/2 generator")
set(CPACK_PACKAGE_DESCRIPTION
    "Composes waveforms of up to 16384 points between -5 V and +5 V and downloads them to the KTR6610/2 two-channel arbitrary waveform generator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# dpkg-shlibdeps names the packages of the libraries the programs link: Qt, muParser, libsndfile,
# libmatio, libsamplerate and the C++ run-time. On Debian 12 the X11 platform plugin, the GIF
# reader and the CUPS printing plugin ship in those same Qt packages (libqt6gui6,
# libqt6printsupport6), so nothing needs naming by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
