# SPDX-License-Identifier: GPL-3.0-or-later
# Installation into the usual places of a desktop system (program, desktop
# entry, icons, AppStream metainfo, manual page, changelog) and the Debian
# package made by CPack.
include(GNUInstallDirs)

add_subdirectory(tools)

set(GLI_APP_ID org.example.GliInsiemi)
set(GLI_RELEASE_DATE 2026-12-08)
set(GLI_ICON_SVG ${PROJECT_SOURCE_DIR}/assets/icon/gli-insiemi.svg)
# The PNG sizes of the icon (GLI_ICON_SIZES in GLI_ICON_DIR) are rendered by
# assets/, where the program takes them into its resources too.

configure_file(${PROJECT_SOURCE_DIR}/packaging/${GLI_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${GLI_APP_ID}.metainfo.xml @ONLY)

# The manual page carries this release's version and date. Debian wants it
# and the changelog compressed at the highest level without the file's name
# and time (gzip -9n), so that two builds give the same package.
configure_file(${PROJECT_SOURCE_DIR}/packaging/gli-insiemi.1.in
               ${CMAKE_BINARY_DIR}/packaging/gli-insiemi.1 @ONLY)
find_program(GLI_GZIP gzip REQUIRED)
set(gli_compressed_docs)
foreach(doc IN ITEMS ${PROJECT_SOURCE_DIR}/packaging/changelog
                     ${CMAKE_BINARY_DIR}/packaging/gli-insiemi.1)
  cmake_path(GET doc FILENAME name)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${GLI_GZIP} -9n -c ${doc} > ${compressed}
    DEPENDS ${doc}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND gli_compressed_docs ${compressed})
endforeach()
add_custom_target(gli-docs ALL DEPENDS ${gli_compressed_docs})

# Debian links its programs with full RELRO: the dynamic relocations resolved
# at start-up, then made read-only.
target_link_options(gli-insiemi PRIVATE LINKER:-z,relro LINKER:-z,now)

install(TARGETS gli-insiemi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules the program opens on first need (it looks for them from its
# own folder): the drill's sound player and the results' stores; the clips.
install(TARGETS gli-insiemi-sound gli-insiemi-results LIBRARY DESTINATION ${GLI_MODULE_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/voices/ DESTINATION ${CMAKE_INSTALL_DATADIR}/gli-insiemi/voices
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${CMAKE_BINARY_DIR}/packaging/gli-insiemi.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/gli-insiemi)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gli-insiemi.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${GLI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GLI_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/gli-insiemi)
foreach(size IN LISTS GLI_ICON_SIZES)
  install(FILES ${GLI_ICON_DIR}/${size}x${size}/apps/gli-insiemi.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The Debian package. Its library dependencies are read from the binary
# (dpkg-shlibdeps), the sound module's too (Qt Multimedia and the PulseAudio
# client); the platform plugins are only recommended by Qt's own
# packages, yet without them the program cannot open a window. The print
# system's library is opened at run time, so the binary does not show it:
# it is named here, at the release that brought every function the program
# uses. A sound server is recommended: without one the drill is silent.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gli-insiemi)
set(CPACK_PACKAGE_VENDOR "Gli insiemi")
set(CPACK_PACKAGE_CONTACT "Gli insiemi <gli-insiemi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "confronto di due insiemi con i segni di relazione")
set(CPACK_PACKAGE_DESCRIPTION
    "Esercizi per la scuola primaria: il bambino confronta due insiemi di figure e
sceglie il segno di relazione (<, = o >); il programma giudica la risposta,
conta le risposte esatte ed errate e misura i tempi. Per l'insegnante compone
e stampa schede di quattro esercizi.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Gli insiemi <gli-insiemi@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/gli-insiemi)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver of Qt SQL is a plugin, loaded when the results are first
# needed: shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcups2 (>= 1.7.0), libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, qt6-translations-l10n, pulseaudio | pipewire-pulse")
include(CPack)
