# Run by the windows_packages target (cmake -P) on the program folder staged
# in ${STAGE}/Brastola: strips its programs and DLLs, zips it into ${ZIP},
# lists its files for the installer and runs makensis on ${NSIS_SCRIPT}.
# The same program folder always gives the same zip and installer, byte for
# byte: files in one order, with the time SOURCE_DATE_EPOCH names (the last
# commit's, set by scripts/windows; the time of packing without it), no
# owner and no time stamp in the PE headers.

file(GLOB_RECURSE binaries ${STAGE}/Brastola/*.exe ${STAGE}/Brastola/*.dll)
# strip writes the time into a PE header unless SOURCE_DATE_EPOCH names one:
# 0 here, no time, as the linker left it.
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${STRIP} --strip-unneeded ${binaries}
                COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE}/Brastola ${STAGE}/Brastola/*)
list(SORT files)
string(TIMESTAMP epoch "%s" UTC)  # SOURCE_DATE_EPOCH when set
execute_process(COMMAND touch -h -d @${epoch} ${files} WORKING_DIRECTORY ${STAGE}/Brastola COMMAND_ERROR_IS_FATAL ANY)

# Files only, no folder entries; zip stores local time, and with -X no owner.
list(TRANSFORM files PREPEND Brastola/ OUTPUT_VARIABLE zip_names)
list(JOIN zip_names "\n" zip_names)
file(WRITE ${STAGE}/zip_names.txt "${zip_names}\n")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -q -X -D ${ZIP} -@
                INPUT_FILE ${STAGE}/zip_names.txt WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# The installer copies these files, keeping their time, and its uninstaller
# deletes exactly these and then the folders, deepest first, each only if
# left empty.
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

# The script is UTF-8 whatever the locale of the build.
execute_process(COMMAND makensis -V2 -INPUTCHARSET UTF8 ${NSIS_SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
