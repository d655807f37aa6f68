# What the examples' CMakeLists.txt share, included after project(): C++17, a Release build
# unless another is asked for, warnings on, and copy_example_files.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
add_compile_options(-Wall -Wextra)

# Puts the named files of the example's data/ folder and the font installed with trellis
# (trellis_DATA_DIR, from find_package(trellis)) beside the executable, which reads them at
# start-up.
function(copy_example_files)
    foreach(file ${ARGN})
        configure_file(data/${file} ${CMAKE_CURRENT_BINARY_DIR}/${file} COPYONLY)
    endforeach()
    configure_file(${trellis_DATA_DIR}/verdana.glf ${CMAKE_CURRENT_BINARY_DIR}/verdana.glf
                   COPYONLY)
endfunction()
