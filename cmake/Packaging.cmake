# SPDX-License-Identifier: MIT
# make package: a Debian package that depends on the Qt libraries the program links and on the
# fonts that stand in for the Windows faces it names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selmak)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR TARVIS)
set(CPACK_PACKAGE_CONTACT "TARVIS <info@tarvis.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Equivalent contactors across makers for a motor load in AC-3")
set(CPACK_PACKAGE_DESCRIPTION "Type a motor load as a power in kW or a current in A (utilisation
category AC-3) and selmak shows the size step it falls into, with the contactor
model that each of fourteen makers offers for it.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.tarvis.example/")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
