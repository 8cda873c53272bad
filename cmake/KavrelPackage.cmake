# The Debian package: `cpack -G DEB` in a build configured with
# KAVREL_PACKAGE_LAYOUT (scripts/build-package.sh does both, with Debian's
# hardening flags).
set(KAVREL_MAINTAINER "kavrel developers <kavrel@example.org>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The first packaging of each version: kavrel_<version>-1. The part before
# the dash is the project's one version.
set(KAVREL_DEBIAN_REVISION 1)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KAVREL_DEBIAN_REVISION})
set(CPACK_PACKAGE_CONTACT "${KAVREL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KAVREL_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL https://example.org/kavrel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "composite unit prices of piping work for cost estimators")
# CPack puts the summary above this text and indents it as the control file
# wants; each line stays within 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Builds and keeps the composite unit prices of piping work (per pipe size a
material price plus the labour to install it, at five submission levels,
cost and list price) in price book files.

The programs: kavrel, the price book manager; kanzai_input, the dialog an
estimate program starts to pick a priced line; pricebook, a command-line
tool. Ships sample price books and a Japanese manual.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The install layout starts at the root: usr/lib/kavrel, usr/bin, usr/share.
set(CPACK_PACKAGING_INSTALL_PREFIX /)
# Stripped in the package; the build's debug information is not shipped.
# CPack's strip keeps the compiler's .comment section, which Debian's own
# stripping drops; so does the step after the programs are installed.
set(CPACK_STRIP_FILES ON)
get_property(programs GLOBAL PROPERTY KAVREL_PROGRAMS)
foreach(program IN LISTS programs)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KAVREL_INSTALL_DIR}/$<TARGET_FILE_NAME:${program}>\"
        COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endforeach()
# Shared libraries through dpkg-shlibdeps; the Japanese fixed-pitch Gothic
# font is loaded by name and found by no library dependency.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font of the Japanese texts, and Qt's own Japanese for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# Help opens the manual in the desktop's browser through xdg-open; without
# it the program shows the manual in a window of its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# The copyright file and the changelog every Debian package carries. The
# entry's version is the package's; its date that of SOURCE_DATE_EPOCH when
# set, so that a build of one commit writes the same file.
set(debian_doc_dir ${KAVREL_SHARE_DIR}/doc/kavrel)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${debian_doc_dir})
string(TIMESTAMP KAVREL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
    COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/debian/changelog > ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
    DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog)
add_custom_target(kavrel_debian_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${debian_doc_dir})
# What lintian is told not to ask of a package kept outside Debian's archive.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${KAVREL_SHARE_DIR}/lintian/overrides
    RENAME kavrel)

include(CPack)
