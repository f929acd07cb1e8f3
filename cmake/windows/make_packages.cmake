# Run by the windows_packages target (cmake -P) on the program folder staged
# in ${STAGE}/Brastola: strips its programs and DLLs, zips it into ${ZIP},
# lists its files for the installer and runs makensis on ${NSIS_SCRIPT}.

file(GLOB_RECURSE binaries ${STAGE}/Brastola/*.exe ${STAGE}/Brastola/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip Brastola
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# The installer copies these files, and its uninstaller deletes exactly
# these and then the folders, deepest first, each only if left empty.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE}/Brastola ${STAGE}/Brastola/*)
list(SORT files)
set(install_lines)
set(uninstall_lines)
set(folders)
set(last_folder "none yet")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    if(NOT folder STREQUAL last_folder)
        string(REPLACE "/" "\\" windows_folder "${folder}")
        if(folder)
            string(PREPEND windows_folder "\\")
        endif()
        string(APPEND install_lines "SetOutPath \"$INSTDIR${windows_folder}\"\n")
        set(last_folder "${folder}")
    endif()
    string(APPEND install_lines "File \"${STAGE}/Brastola/${file}\"\n")
    string(APPEND uninstall_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
    while(folder)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)  # each folder before the one holding it
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND uninstall_lines "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
get_filename_component(nsis_folder ${NSIS_SCRIPT} DIRECTORY)
file(WRITE ${nsis_folder}/install_files.nsh "${install_lines}")
file(WRITE ${nsis_folder}/uninstall_files.nsh "${uninstall_lines}")

execute_process(COMMAND makensis -V2 ${NSIS_SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
