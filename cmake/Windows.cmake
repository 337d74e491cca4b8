# SPDX-License-Identifier: MIT
# Windows programs: each one file that runs on any 64-bit Windows as it is, with the C++ runtime,
# libgcc and the thread library linked in and the symbols stripped from the optimised build.
add_link_options(-static $<$<CONFIG:Release,MinSizeRel>:-s>)
# Built against the Windows 7 API, so that a call to anything newer does not compile: the few newer
# functions the windows want are looked up at run time (ui/win32/dpi_api.h).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
    WINVER=0x0601)

# Built elsewhere, the tests run under Wine, all of them in one session that a fixture starts
# before the first and stops after the last.
if(CMAKE_CROSSCOMPILING AND SELMAK_BUILD_TESTS)
    set(wine_state "${CMAKE_BINARY_DIR}/wine-session.env")
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/wine-run.sh;${wine_state}")
    add_test(NAME wine_session_start
        COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" start "${wine_state}")
    add_test(NAME wine_session_stop
        COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" stop "${wine_state}")
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# Registers a Windows test program. Under Wine it runs as Windows 10 and again as Windows 7, at
# 96 dpi and, with HIDPI, at 144 dpi too; on Windows itself once, at the system's dpi.
function(selmak_add_windows_test target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "HIDPI" "" "")
    if(NOT CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
        return()
    endif()
    set(runs 96)
    if(arg_HIDPI)
        list(APPEND runs 144)
    endif()
    foreach(version IN ITEMS win10 win7)
        foreach(dpi IN LISTS runs)
            set(name ${target})
            if(arg_HIDPI)
                string(APPEND name _${dpi}dpi)
            endif()
            set(environment "SELMAK_WINE_DPI=${dpi}")
            if(version STREQUAL win7)
                string(APPEND name _win7)
                list(APPEND environment "SELMAK_WINE_VERSION=win7")
            endif()
            add_test(NAME ${name} COMMAND ${target})
            set_tests_properties(${name} PROPERTIES
                FIXTURES_REQUIRED wine ENVIRONMENT "${environment}" TIMEOUT 300)
        endforeach()
    endforeach()
endfunction()
