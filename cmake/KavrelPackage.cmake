# The Debian package: `cpack -G DEB` in a build configured with
# KAVREL_PACKAGE_LAYOUT (scripts/build-package.sh does both).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "kavrel developers <kavrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "composite unit prices of piping work for cost estimators")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Builds and keeps the composite unit prices of piping work (per pipe size a
material price plus the labour to install it, at five submission levels,
cost and list price) in price book files. The programs: kavrel, the price
book manager. kanzai_input, the dialog an estimate program starts to pick a
priced line. pricebook, a command-line tool. Ships sample price books.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The install layout starts at the root: opt/kavrel, usr/bin, usr/share.
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
# Shared libraries through dpkg-shlibdeps; the Japanese fixed-pitch Gothic
# font is loaded by name and found by no library dependency.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font of the Japanese texts, and Qt's own Japanese for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
include(CPack)
