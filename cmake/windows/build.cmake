# A Windows build made on Linux with mingw-w64: the compiler's runtime DLLs,
# which every program built here needs beside it, and wine to run the tests.

set(BRASTOLA_RUNTIME_DLLS)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(path ${path} REALPATH)
    list(APPEND BRASTOLA_RUNTIME_DLLS ${path})
endforeach()

# The name of the mutex that the running game holds and its installer and
# uninstaller look for.
set(BRASTOLA_RUNNING_MUTEX io.github.brastola.Brastola)

# Wine's files for the tests, the build's own.
set(BRASTOLA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    # ctest runs every test program through this, in a wine prefix of the
    # build's own, finding Qt's and the compiler's DLLs and Qt's plugins
    # where they were built or installed.
    set(BRASTOLA_WINE_PATH ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
    foreach(dll IN LISTS BRASTOLA_RUNTIME_DLLS)
        get_filename_component(folder ${dll} DIRECTORY)
        list(APPEND BRASTOLA_WINE_PATH ${folder})
    endforeach()
    list(REMOVE_DUPLICATES BRASTOLA_WINE_PATH)
    list(TRANSFORM BRASTOLA_WINE_PATH PREPEND "Z:")  # wine's drive for the root of the Linux file system
    set(BRASTOLA_QT_PLUGINS "Z:${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.in ${CMAKE_BINARY_DIR}/run-wine @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/run-wine)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/ctest_custom.cmake.in ${CMAKE_BINARY_DIR}/CTestCustom.cmake @ONLY)
endif()
