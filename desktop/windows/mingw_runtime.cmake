# The MinGW runtime libraries that a cross-built program and Qt's libraries need beside them:
# where the compiler has them, for the packages to ship and the tests under Wine to find.
function(sizing_mingw_runtime out)
    set(paths)
    foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}")
            message(FATAL_ERROR "the MinGW runtime ${runtime} is not where the compiler says")
        endif()
        list(APPEND paths ${path})
    endforeach()
    set(${out} ${paths} PARENT_SCOPE)
endfunction()
