# Each subsystem folder carries its own CMakeLists.txt; folders not yet written are skipped,
# so a subsystem can land on its own.
macro(somnar_add_existing_subdirectories)
    foreach(dir ${ARGN})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endmacro()
