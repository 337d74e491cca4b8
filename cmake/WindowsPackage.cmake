# SPDX-License-Identifier: MIT
# The Windows zip: selmak-1.00-windows-x64.zip with the program, the command-line finder where
# the tree builds it, the licence and a short read-me in Russian.
install(TARGETS selmak RUNTIME DESTINATION .)
if(TARGET selmak-find)
    install(TARGETS selmak-find RUNTIME DESTINATION .)
endif()
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
install(FILES "${PROJECT_SOURCE_DIR}/resources/windows/readme.txt" DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME selmak)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR TARVIS)
set(CPACK_PACKAGE_FILE_NAME selmak-1.00-windows-x64)
set(CPACK_STRIP_FILES OFF) # the link already strips them
include(CPack)
include(cmake/WindowsInstaller.cmake)
