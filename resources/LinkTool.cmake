# velmora_link_tool(<tool> <folder>): puts a link named "openssl" in the
# application folder that leads to the system's OpenSSL tool. It leaves
# alone a real file of that name, and a folder that already is the tool's own,
# so it can never replace or loop the tool it links to.
function(velmora_link_tool tool folder)
    file(REAL_PATH "${tool}" target)
    set(link "${folder}/openssl")
    if(IS_SYMLINK "${link}")
        file(READ_SYMLINK "${link}" current)
        if(current STREQUAL target)
            return()
        endif()
        file(REMOVE "${link}")
    elseif(EXISTS "${link}")
        message(STATUS "Kept: ${link} is a tool of its own")
        return()
    endif()
    message(STATUS "Linking: ${link} -> ${target}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
endfunction()
