# The Debian package: "cpack -G DEB" in the build folder makes
# loopwright_<version>_<arch>.deb from the install rules, installed under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME loopwright)
set(CPACK_PACKAGE_VENDOR "The Loopwright developers")
set(CPACK_PACKAGE_CONTACT "The Loopwright developers <loopwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The control file's long description: lines as written here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Loopwright simulates a dive on a closed-circuit rebreather (CCR). You"
    "describe the breathing loop and its gas supply, pick a rebreather type"
    "(eCCR, mCCR, O2 CCR or a free set-up) and dive: the loop gas mixes, the"
    "valves hold the PPO2 at its setpoint and 16 tissue compartments take up"
    "nitrogen and helium, all shown on an instrument console. A dive computer,"
    "training drills with a debrief and the export of dives as UDDF or CSV"
    "come with it; the interface is in Russian and English."
    ""
    "loopwright-sim runs dive scenarios and drills without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LOOPWRIGHT_HOMEPAGE}")
# The libraries the programs link, as dpkg-shlibdeps finds them; the fonts
# give the window the metrics it was designed with, and it falls back on any.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-wine")
# Only this project's own install rules.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
