# Installing the editor as a desktop program, and its Debian package:
#   cmake --install build            the editor, the batch command pattik-item, the editor's
#                                    desktop entry, icons and metainfo, and its font's licence
#   (cd build && cpack -G DEB)       pattik_<version>_<arch>.deb
install(TARGETS pattik pattik-item RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/io.pattik.Pattik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/io.pattik.Pattik.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The editor carries part of a font under the SIL Open Font License, whose text goes with it.
install(FILES ${PROJECT_SOURCE_DIR}/src/res/fonts/OFL.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pattik RENAME ui-font-OFL.txt)

set(CPACK_PACKAGE_NAME pattik)
set(CPACK_PACKAGE_VENDOR "The Pattik developers")
set(CPACK_PACKAGE_CONTACT "The Pattik developers <pattik@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pixel editor for the pictures of one avatar item")
set(CPACK_PACKAGE_DESCRIPTION
    "Pattik draws the wear, display and hair pictures of an avatar item pixel by pixel over a mannequin and saves them as GIF files. The interface is in Korean.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Qt's Widgets and the platform plugins it loads, Qt's Korean texts, and a font with Hangul;
# giflib, which reads saved items back, libpng, which the batch command reads with, and the
# font configuration library, which the editor reads early at start-up.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-translations-l10n, fonts-nanum, libgif7, libpng16-16, libfontconfig1, libc6, libstdc++6")
set(CPACK_STRIP_FILES ON)
include(CPack)
