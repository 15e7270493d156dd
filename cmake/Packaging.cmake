# The Debian package of the two programs (bash scripts/package.sh). Its version is the project's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kipgolf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kip Golf developers")
set(CPACK_PACKAGE_CONTACT "Kip Golf developers <kipgolf@kipgolf.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf score keeper with handicaps and statistics")
set(CPACK_PACKAGE_DESCRIPTION
    "Kip Golf keeps golf scores for one golfer or a whole league on a Linux desktop.\n"
    "It computes handicap indexes by the USGA method and shows statistics: the\n"
    "leaderboard of the year, basic and hole-type statistics, fairways and greens,\n"
    "lowest rounds, fewest putts, course averages, points, teams and a graph.\n"
    "\n"
    "Its database is three FoxPro tables, byte compatible with other\n"
    "FoxPro-compatible programs. The command-line companion kipgolf-cli checks,\n"
    "backs up and reports on the same database.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kipgolf)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kipgolf.org/")
# The libraries come from what the programs link (Qt 6 Widgets, PrintSupport and the C++ runtime); the
# window also needs Qt's desktop platform plugins, DejaVu for the help pages and a Courier-compatible
# monospace face (Liberation Mono) for the listings and prints.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion, man-db")

include(CPack)
