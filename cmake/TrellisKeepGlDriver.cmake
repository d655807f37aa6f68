# trellis_keep_gl_driver(target): in a sanitized build, links into the program TARGET a
# constructor that keeps Mesa's software GL driver loaded until the process ends
# (tests/sanitizer/KeepGlDriverLoaded.c), so that LeakSanitizer can tell the driver's memory
# from real leaks. Only programs that create a GL context need it; elsewhere it does nothing.
if(TRELLIS_SANITIZE)
    find_file(TRELLIS_GL_DRIVER swrast_dri.so
              PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri /usr/lib/dri /usr/lib64/dri)
    if(TRELLIS_GL_DRIVER)
        add_library(trellis-keep-gl-driver OBJECT
                    ${PROJECT_SOURCE_DIR}/tests/sanitizer/KeepGlDriverLoaded.c)
        target_compile_definitions(trellis-keep-gl-driver PRIVATE
                                   TRELLIS_GL_DRIVER="${TRELLIS_GL_DRIVER}")
    endif()
endif()

function(trellis_keep_gl_driver target)
    if(TARGET trellis-keep-gl-driver)
        target_link_libraries(${target} PRIVATE trellis-keep-gl-driver ${CMAKE_DL_LIBS})
    endif()
endfunction()
