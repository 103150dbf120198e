# The hardening Debian builds its packages with, as dpkg-buildflags gives it: fortified functions,
# stack protector, relocations read-only and bound at start-up, position-independent executables.
# Left out under the sanitizers and fuzzers, whose run-time replaces the fortified functions.
option(KURZORY_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

find_program(KURZORY_DPKG_BUILDFLAGS dpkg-buildflags)
if(KURZORY_HARDENING AND KURZORY_DPKG_BUILDFLAGS AND NOT KURZORY_SANITIZE AND NOT KURZORY_FUZZERS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${KURZORY_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Optimisation, debug information and source paths stay the build type's business.
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|f.*-prefix-map=.*)$")
        if(CMAKE_BUILD_TYPE STREQUAL Debug)
            list(FILTER flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")  # needs optimisation
        endif()
        if(kind STREQUAL LDFLAGS)
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
    endforeach()
endif()
