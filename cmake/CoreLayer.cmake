# One library per folder of the core, each seeing only its own headers and those of the layers it
# links to. A folder's include root (in the build tree) holds a link to that folder alone; linking
# a lower layer adds that layer's root, so an #include of a higher folder finds no file and the
# build fails.
function(velmora_core_layer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    set(root ${PROJECT_BINARY_DIR}/layers/${name})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${name})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    endif()
    add_library(velmora_${name} STATIC ${ARG_SOURCES})
    target_include_directories(velmora_${name} PUBLIC ${root})
    target_link_libraries(velmora_${name} PUBLIC ${ARG_LINKS} PRIVATE velmora_warnings)
    set_property(GLOBAL APPEND PROPERTY VELMORA_CORE_LAYERS velmora_${name})
endfunction()
