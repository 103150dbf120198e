include(GNUInstallDirs)

set(KURZORY_ICON_SIZES 16 24 32 48 64 128 256)

# Installs a program and its man page (<TARGET>.1.in beside its CMakeLists.txt); given a desktop
# id, also its menu entry (<ID>.desktop), its metadata (<ID>.metainfo.xml.in) and its icons, which
# make_program_icons draws at build time.
function(kurzory_install_program target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESKTOP_ID" "")
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    configure_file(${target}.1.in ${target}.1 @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
    add_custom_command(OUTPUT ${pictures}
        COMMAND make_program_icons ${id} ${icons} ${KURZORY_ICON_SIZES}
        DEPENDS make_program_icons
        COMMENT "Drawing the icons of ${target}"
        VERBATIM)
    add_custom_target(${target}_icons ALL DEPENDS ${pictures})
endfunction()
