# SPDX-License-Identifier: MIT
# The Windows installer, selmak-1.00-setup.exe beside the zip: the same files, put where a user's
# programs go, by Debian's makensis with the 64-bit stub.
find_program(MAKENSIS makensis REQUIRED)
set(installer "${CMAKE_BINARY_DIR}/selmak-${CPACK_PACKAGE_VERSION}-setup.exe")
set(installer_script "${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi")
set(installer_files "${CMAKE_BINARY_DIR}/installer")
add_custom_command(OUTPUT "${installer}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${installer_files}"
    COMMAND "${CMAKE_COMMAND}" -E copy $<TARGET_FILE:selmak> $<TARGET_FILE:selmak-find>
        "${PROJECT_SOURCE_DIR}/resources/windows/readme.txt" "${installer_files}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/LICENSE"
        "${installer_files}/LICENSE.txt"
    COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 -DVERSION=${CPACK_PACKAGE_VERSION}
        "-DDIST=${installer_files}" "-DICON=${PROJECT_SOURCE_DIR}/resources/icons/selmak.ico"
        "-DOUTFILE=${installer}" "${installer_script}"
    DEPENDS selmak selmak-find "${installer_script}"
        "${PROJECT_SOURCE_DIR}/resources/windows/readme.txt" "${PROJECT_SOURCE_DIR}/LICENSE"
        "${PROJECT_SOURCE_DIR}/resources/icons/selmak.ico"
    COMMENT "Making the installer ${installer}"
    VERBATIM)
add_custom_target(installer ALL DEPENDS "${installer}")

# Installed silently into a Wine prefix, as Windows 10 and as Windows 7; started from there;
# removed silently.
if(SELMAK_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
    foreach(version "" win7)
        set(name installer_under_wine)
        if(version)
            string(APPEND name _${version})
        endif()
        add_test(NAME ${name} COMMAND "${PROJECT_SOURCE_DIR}/tools/installer-check.sh"
            "${wine_state}" "${CMAKE_BINARY_DIR}")
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
            ENVIRONMENT "SELMAK_WINE_VERSION=${version}" TIMEOUT 120)
    endforeach()
endif()
