# The Debian package: scripts/package.sh runs CPack's DEB generator over the install above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME somnar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "OKV Somnar 3 developers <somnar@okv-programming.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop dream book with a lunar calendar of dreams")
# CPack puts the summary first and indents the lines below it, an empty line becoming " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Сонник OKV Somnar 3 is a dream book for the desktop, with a Russian interface.
Type the key words of a dream: it merges the words of every switched-on dream
book into one alphabetical list, finds the word as you type and shows what
each book says about it, with cross-references, search, copying and printing.

Beside the dream books it offers a library of articles about dreams, a lunar
calendar that judges whether a dream comes true for your town, and a quick
lookup from the notification area. Users add their own dream books and
articles in ~/.local/share/somnar without root rights.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The diary's SQLite driver is a Qt plugin, which the library scan cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
# The program draws its texts with an Arial-compatible face when one is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
