# The Debian package of the game, made by `cpack` in the build directory from
# the install rules (scripts/package does it all). Its name and version come
# from project(); its dependencies from the libraries the binary links
# (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brastola)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Gli autori di Brastola <brastola@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Nim game with matches, in Italian
Up to five rows of matches lie on the table. The player and the computer
take turns removing any number of matches, at least one, from a single
row; whoever takes the last match wins. The game offers three or five
rows, three limits for the length of a row, three levels of play and a
hint that proposes a winning move.
.
The game's windows, menus and messages are in Italian.]=])
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The file name Debian gives a package: brastola_1.0.0_amd64.deb.
execute_process(COMMAND dpkg --print-architecture
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_DEBIAN_FILE_NAME "brastola_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb")
set(BRASTOLA_PACKAGE_FILE "${CMAKE_BINARY_DIR}/${CPACK_DEBIAN_FILE_NAME}")

include(CPack)
