# Install step for the application folder's CA database and tool link; the
# variables come from the install code that runs just before it.
foreach(database ca.db.index ca.db.serial)
    if(EXISTS "${VELMORA_APP_FOLDER}/${database}")
        message(STATUS "Kept: ${VELMORA_APP_FOLDER}/${database}")
    else()
        file(INSTALL "${VELMORA_RESOURCES}/${database}" DESTINATION "${VELMORA_APP_FOLDER}")
    endif()
endforeach()
if(VELMORA_OPENSSL_TOOL)
    include("${VELMORA_RESOURCES}/LinkTool.cmake")
    velmora_link_tool("${VELMORA_OPENSSL_TOOL}" "${VELMORA_APP_FOLDER}")
endif()
