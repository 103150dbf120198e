# `cpack -G DEB` in the build folder: one package holding exactly what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KURZORY_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kurzorové nástroje")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tools for making Windows mouse cursors and icons")
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Small programs with a Czech user interface for people who make mouse
cursors and icons for Windows:

 * Skiren turns an icon (.ico) into a cursor (.cur) with a hot spot picked
   by dragging two lines; given a cursor it writes the matching icon;
 * Pelcor turns a palette bitmap into a 256-colour icon, optionally with
   one transparent colour;
 * animace builds an animated cursor (.ani) from static cursors;
 * kurzory does the same from the command line, inspects animated cursors
   for what Wine, gdk-pixbuf and KDE make of them, and exports cursors to
   the X11 cursor format of Linux desktops.

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

# The package's changelog in Debian's format: its newest entry carries the version and the release
# date of project() (a date needs its weekday there, found by Sakamoto's rule).
function(kurzory_rfc2822_date date out)
    string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" matched "${date}")
    if(NOT matched)
        message(FATAL_ERROR "release date ${date} is not YYYY-MM-DD")
    endif()
    set(year ${CMAKE_MATCH_1})
    set(day_text ${CMAKE_MATCH_3})
    math(EXPR month "${CMAKE_MATCH_2}")
    math(EXPR day "${CMAKE_MATCH_3}")
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekdays ${weekday} weekday_name)
    list(GET months ${index} month_name)
    set(${out} "${weekday_name}, ${day_text} ${month_name} ${year} 12:00:00 +0000" PARENT_SCOPE)
endfunction()

if(UNIX)
    kurzory_rfc2822_date(${KURZORY_RELEASE_DATE} KURZORY_RELEASE_DATE_RFC2822)
    set(changelog ${PROJECT_BINARY_DIR}/changelog)
    configure_file(cmake/changelog.in ${changelog} @ONLY)
    kurzory_gzip(${changelog})
    install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KURZORY_PACKAGE})
    install(FILES cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${KURZORY_PACKAGE})
endif()
