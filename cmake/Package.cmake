# The installed program and its Debian package.
#
# The program directory is LIBDIR/tamrel (<prefix>/lib/tamrel): the
# executable with the five data tables, the help file tamrel.chm and
# Documentation/ with the theory manual beside it, as the program finds them
# next to its own executable. BINDIR/tamrel (<prefix>/bin/tamrel) is a
# relative symbolic link to it; the program resolves the link to find its
# directory. The desktop entry and the icon go to the places every desktop
# looks.
#
#   cmake --build --preset release --target package   (or scripts/package.sh)
# writes build/release/tamrel_<version>_amd64.deb.

# The directories are GNUInstallDirs' (included at the top of the project).
set(TAMREL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/tamrel)

install(TARGETS tamrel RUNTIME DESTINATION ${TAMREL_PROGRAM_DIR})
install(FILES ${TAMREL_DATA_FILES} ${TAMREL_HELP_FILE} DESTINATION ${TAMREL_PROGRAM_DIR})
install(FILES "${TAMREL_MANUAL_FILE}" DESTINATION ${TAMREL_PROGRAM_DIR}/Documentation)
# The link, made in the build tree and installed as a link: relative
# (../lib/tamrel/tamrel), so it holds under any prefix, the package's too.
file(RELATIVE_PATH _link_target ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/tamrel/tamrel)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package/bin)
file(CREATE_LINK ${_link_target} ${CMAKE_BINARY_DIR}/package/bin/tamrel SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/package/bin/tamrel DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tamrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/tamrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The package's changelog, its top entry carrying the project's version.
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/changelog.in
               ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/package/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/package/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/copyright
              ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tamrel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tamrel DNV developers")
set(CPACK_PACKAGE_CONTACT "Tamrel DNV developers <tamrel@example.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cylinder shell buckling calculator (DNV-RP-C202)")
set(CPACK_PACKAGE_DESCRIPTION
    "Tamrel DNV checks the buckling strength of one circular cylindrical steel\n"
    "shell, unstiffened, ring stiffened, stringer stiffened or as a column, by\n"
    "DNV-RP-C202: shell, curved panel, stiffener, column, panel ring and heavy\n"
    "ring checks, rolled and built-up stiffener and ring-frame profiles with\n"
    "their local-buckling limits, and usage factors by LRFD or WSD. Projects\n"
    "are saved as text files and the calculation prints as a one-page report.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tamrel DNV developers <tamrel@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.com/tamrel")
# The libraries the program links (Qt and the C++ runtime) by dpkg-shlibdeps;
# the Arial-metric fonts the screen and report layouts are measured with;
# xdg-open for the theory manual and the about box's links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
