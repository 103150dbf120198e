include(GNUInstallDirs)

set(KURZORY_ICON_SIZES 16 24 32 48 64 128 256)

if(UNIX)
    find_program(KURZORY_GZIP gzip REQUIRED)
endif()

# Makes FILE.gz beside FILE (a file of the build folder) at build time, the way Debian wants it:
# best compression, no name or time stamp inside.
function(kurzory_gzip file)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND ${KURZORY_GZIP} -9nkf ${file}
        DEPENDS ${file}
        VERBATIM)
    file(RELATIVE_PATH name ${PROJECT_BINARY_DIR} ${file})
    string(MAKE_C_IDENTIFIER ${name} name)
    add_custom_target(gzip_${name} ALL DEPENDS ${file}.gz)
endfunction()

# Installs the man page <TARGET>.1 made from SOURCE into FOLDER under the man folder.
function(kurzory_install_man_page target source folder)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${folder}/${target}.1)
    configure_file(${source} ${page} @ONLY)
    kurzory_gzip(${page})
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${folder})
endfunction()

# Installs a program and its man pages, English from <TARGET>.en.1.in and Czech from <TARGET>.1.in
# (beside its CMakeLists.txt); given a desktop id, also its menu entry (<ID>.desktop), its metadata
# (<ID>.metainfo.xml.in) and its icons, which make_program_icons draws at build time.
function(kurzory_install_program target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESKTOP_ID" "")
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(UNIX)
        kurzory_install_man_page(${target} ${target}.en.1.in man1)
        kurzory_install_man_page(${target} ${target}.1.in cs/man1)
    endif()
    if(NOT arg_DESKTOP_ID)
        return()
    endif()

    set(id ${arg_DESKTOP_ID})
    install(FILES ${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(${id}.metainfo.xml.in ${id}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    set(icons ${CMAKE_CURRENT_BINARY_DIR}/icons)
    set(pictures)
    foreach(size IN LISTS KURZORY_ICON_SIZES)
        set(picture ${icons}/${size}x${size}/apps/${id}.png)
        list(APPEND pictures ${picture})
        install(FILES ${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    set(scalable ${icons}/scalable/apps/${id}.svg)
    install(FILES ${scalable} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    add_custom_command(OUTPUT ${pictures} ${scalable}
        COMMAND make_program_icons ${id} ${icons} ${KURZORY_ICON_SIZES} scalable
        DEPENDS make_program_icons
        COMMENT "Drawing the icons of ${target}"
        VERBATIM)
    add_custom_target(${target}_icons ALL DEPENDS ${pictures} ${scalable})
endfunction()
