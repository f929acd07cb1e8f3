# The program folder for Windows, as the zip holds it and the installer
# puts it into Program Files\Brastola: the program, Qt's DLLs and the two
# plugins it loads, the compiler's runtime DLLs, and the licences. The
# windows_packages target stages it in stage/Brastola and makes of it
# brastola-<version>-windows-x64.zip and brastola-<version>-setup.exe.

install(TARGETS brastola RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QICOPlugin LIBRARY DESTINATION imageformats)
install(FILES ${BRASTOLA_RUNTIME_DLLS} DESTINATION .)

install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION .)
# Qt's licences and those of the libraries built into its DLLs, gathered by
# scripts/windows when it built Qt; the compiler's runtime and mingw-w64's.
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/mingw-w64 RENAME gcc.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses/mingw-w64 RENAME mingw-w64.txt)

set(BRASTOLA_PUBLISHER "Gli autori di Brastola")
set(stage ${CMAKE_BINARY_DIR}/stage)
set(zip ${CMAKE_BINARY_DIR}/brastola-${PROJECT_VERSION}-windows-x64.zip)
set(installer ${CMAKE_BINARY_DIR}/brastola-${PROJECT_VERSION}-setup.exe)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brastola.nsi.in brastola.nsi @ONLY)
add_custom_command(OUTPUT ${zip} ${installer}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}/Brastola
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DSTRIP=${CMAKE_STRIP} -DZIP=${zip}
            -DNSIS_SCRIPT=${CMAKE_BINARY_DIR}/brastola.nsi -P ${CMAKE_CURRENT_LIST_DIR}/make_packages.cmake
    # The install rules change with the build files, which rewrite cmake_install.cmake.
    DEPENDS brastola ${CMAKE_BINARY_DIR}/cmake_install.cmake ${CMAKE_BINARY_DIR}/brastola.nsi
            ${CMAKE_CURRENT_LIST_DIR}/make_packages.cmake
    COMMENT "Making ${zip} and ${installer}"
    VERBATIM)
add_custom_target(windows_packages DEPENDS ${zip} ${installer})
