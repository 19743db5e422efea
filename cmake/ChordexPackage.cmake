# The Debian package: make package (cpack -G DEB) writes chordex_<version>_amd64.deb.
# dpkg-shlibdeps finds the libraries the program links; the rest are what Qt loads at run
# time (platform, SVG icon, SQLite and image plugins, the web engine's process), the icon
# theme of the toolbar, and a monospace font for the editors.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chordex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Chordex developers")
set(CPACK_PACKAGE_CONTACT "The Chordex developers <chordex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar and bass tablature manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Chordex keeps guitar and bass tablature as plain text with notes, filed in collections of
categories, folders and files. It edits tab with blank staves, searches titles, tabs and
notes, keeps bookmarks, imports, exports and prints tab files, and saves web pages as tabs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, libqt6sql6-sqlite, qt6-image-formats-plugins, libqt6webenginecore6-bin, tango-icon-theme, hicolor-icon-theme, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
