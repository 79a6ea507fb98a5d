# The Debian package quintavo_<version>_<arch>.deb, made by `cpack -G DEB` in a
# build folder (scripts/package.sh does it all). It holds the install
# components "desktop" and "deb" of packaging/CMakeLists.txt: the program and
# its library in the private folder /usr/lib/quintavo, a link in /usr/games,
# and the menu entry, icons, metainfo, manual page, copyright and changelog.
# The plain install tree (bin/, lib/) is the component "Unspecified" and is not
# packaged.
if(NOT TARGET quintavo_packaging_files)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Harbrook)
set(QUINTAVO_MAINTAINER "Quintavo maintainers <maintainers@users.noreply.c-seed-3c86ad94.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${QUINTAVO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUINTAVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess game against the computer")
# The long description, after the summary line that CPack puts first: lines of
# at most 80 characters, an empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[Quintavo is a chess game for one person against the computer. The player
drags the pieces on a drawn board; the computer answers with a move that it
searches in the background to a depth of one to eight half-moves, or with a
random legal move.

It knows every rule of chess, announces check, mate, stalemate, threefold
repetition and insufficient material, keeps a move list that can be stepped
back and forward, limits the time for each move, and saves and loads games.
Its interface speaks German, English, French and Italian.]])
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Dependencies come from dpkg-shlibdeps; the companion library is found in the
# package itself through the program's RPATH, so it adds none.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The game runs natively on Wayland (DESIGN.md says why); without Qt's Wayland
# plugin it would run through XWayland, chosen by whatever else is installed.
# The standard dialogs' buttons speak the game's language with Qt's own
# translations; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL desktop deb)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_SOURCE_GENERATOR "")
include(CPack)
