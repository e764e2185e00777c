# somnar_add_library(NAME [GLOB dir] LIBS lib...): a static library of every .cpp in the folder
# (or in GLOB dir), so new files join the build without editing the list.
function(somnar_add_library name)
    cmake_parse_arguments(ARG "" "GLOB" "LIBS" ${ARGN})
    if(NOT ARG_GLOB)
        set(ARG_GLOB ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${ARG_GLOB}/*.cpp ${ARG_GLOB}/*.h ${ARG_GLOB}/*.qrc)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()
