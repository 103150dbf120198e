# `cpack -G DEB` in the build folder: one package holding exactly what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KURZORY_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kurzorové nástroje")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tools for making Windows mouse cursors and icons")
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Three small programs with a Czech user interface for people who make mouse
cursors and icons for Windows:

 * Skiren turns an icon (.ico) into a cursor (.cur) with a hot spot picked
   by dragging two lines; given a cursor it writes the matching icon;
 * Pelcor turns a palette bitmap into a 256-colour icon, optionally with
   one transparent colour;
 * animace builds an animated cursor (.ani) from static cursors.

The programs meet only through the files they write.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vývojáři Kurzorových nástrojů <vyvojari@kurzory.cz>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
