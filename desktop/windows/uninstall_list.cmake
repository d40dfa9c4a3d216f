# Writes the uninstaller's list for NSIS: a Delete for each file of the installed tree and
# an RMDir for each folder, deepest first, so that uninstalling removes what was installed
# and nothing else of a folder the user chose.
# cmake -D tree=<staged install> -D out=<.nsh> -P uninstall_list.cmake
file(GLOB_RECURSE files RELATIVE ${tree} ${tree}/*)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING)  # a folder sorts after the folder it is in
set(text "")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND text "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND text "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${out} "${text}")
