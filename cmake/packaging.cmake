# The manual page, and the Debian package: `cpack -G DEB` in a build folder
# configured with -DCMAKE_INSTALL_PREFIX=/usr packs what the install rules
# install, plus the files below that only the package carries. `make
# package` does that, building only the kelmo-install-files target (with
# CMAKE_SKIP_INSTALL_ALL_DEPENDENCY, or CPack would build the tests too).

set(KELMO_PACKAGE_FILES ${PROJECT_SOURCE_DIR}/packaging/deb)

# The changelog's newest entry names the version being packed: catch a
# version bump that forgot it.
file(STRINGS ${KELMO_PACKAGE_FILES}/changelog kelmo_changelog_head LIMIT_COUNT 1)
if(NOT kelmo_changelog_head MATCHES "^kelmo \\(${PROJECT_VERSION}\\) ")
    message(WARNING "packaging/deb/changelog does not start with an entry for version ${PROJECT_VERSION}")
endif()

# The manual page and the changelog are installed compressed, as Debian
# asks. gzip -n leaves out the time stamp so that builds are repeatable.
function(kelmo_gzip source name)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gz/${name})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
endfunction()
kelmo_gzip(${PROJECT_SOURCE_DIR}/data/kelmo.6 kelmo.6)
kelmo_gzip(${KELMO_PACKAGE_FILES}/changelog changelog)

# Everything the install rules copy, so that a package can be made without
# building the tests and tools.
add_custom_target(kelmo-install-files ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/gz/kelmo.6.gz
                                                  ${CMAKE_CURRENT_BINARY_DIR}/gz/changelog.gz)
add_dependencies(kelmo-install-files kelmo kelmo-icon-theme)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gz/kelmo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Files for the Debian package alone, left out of a plain `cmake --install`:
# the copyright and changelog every package carries.
install(FILES ${KELMO_PACKAGE_FILES}/copyright ${CMAKE_CURRENT_BINARY_DIR}/gz/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelmo
        COMPONENT debian EXCLUDE_FROM_ALL)

# --- The package ---------------------------------------------------------

set(CPACK_GENERATOR DEB)
# One package from both the ordinary install rules (the component CMake
# calls Unspecified) and the Debian-only files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_NAME kelmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelmo developers")
set(CPACK_PACKAGE_CONTACT "The Kelmo developers <developers@kelmo.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kelmo.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses for one or two players, or over the network")
# Lines of at most 80 characters, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION [[
Kelmo is a small desktop noughts-and-crosses game. Two marks, X and O, are
placed in turn on a three by three board; the first side to complete a row,
a column or a diagonal wins.

Play against the built-in computer player, with two people at one machine,
or with two copies of Kelmo on two machines over TCP port 1007. The package
lets any user wait for an opponent on that port.]])
# Under /usr whatever the build folder's prefix: the postinst names
# /usr/games/kelmo (`make package` sets the games folder as Debian keeps
# its games there).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kelmo_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links to, found by dpkg-shlibdeps, and setcap
# for the postinst.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libcap2-bin)
# Wanted but not needed: the Avahi daemon, through which games on the local
# network are found and announced (without it the address is typed), and
# Qt's own catalogues, which translate the buttons of the dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "avahi-daemon, qt6-translations-l10n")
# The postinst grants the port capability that the staged install leaves
# out (see grant-port-capability.cmake).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${KELMO_PACKAGE_FILES}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
