# What `cmake --install` ships: the library (static, or shared with BUILD_SHARED_LIBS), its
# public headers, a CMake package, a pkg-config file, and the demo with its data under
# share/trellis, started through a launcher in bin that runs it in that folder.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TRELLIS_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/trellis)
set(TRELLIS_DATA_DIR ${CMAKE_INSTALL_DATADIR}/trellis)
set(TRELLIS_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/trellis)

# Installed programs find a shared libtrellis relative to themselves, wherever the prefix is.
# Gives TARGET, installed to the folder DIR under the prefix, that run path, and installs it.
function(trellis_install_program target dir)
    file(RELATIVE_PATH to_lib /${dir} /${CMAKE_INSTALL_LIBDIR})
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_lib}")
    install(TARGETS ${target} RUNTIME DESTINATION ${dir})
endfunction()

# Position-independent code in the static library too, so that a host may link it into a shared
# object of its own (a plug-in, say).
set_target_properties(trellis PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
install(TARGETS trellis EXPORT trellisTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the public headers: the internal ones under src/ and the demo's under app/ stay behind.
install(DIRECTORY include/trellis DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(EXPORT trellisTargets NAMESPACE trellis:: DESTINATION ${TRELLIS_PACKAGE_DIR})
# trellis-glfw has an export of its own, which the package loads only where GLFW is found, so
# that a program without GLFW finds trellis::trellis all the same.
if(TARGET trellis-glfw)
    set_target_properties(trellis-glfw PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
    install(TARGETS trellis-glfw EXPORT trellisGlfwTargets
            ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(EXPORT trellisGlfwTargets NAMESPACE trellis:: DESTINATION ${TRELLIS_PACKAGE_DIR})
endif()

# The pkg-config modules a static library's programs link, for the package to find.
set(TRELLIS_CONFIG_MODULES "TINYXML:tinyxml FREETYPE:freetype2 HARFBUZZ:harfbuzz FRIBIDI:fribidi")
if(TRELLIS_USE_UNIBREAK)
    string(APPEND TRELLIS_CONFIG_MODULES " UNIBREAK:libunibreak")
endif()
configure_package_config_file(cmake/trellisConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/trellisConfig.cmake
    INSTALL_DESTINATION ${TRELLIS_PACKAGE_DIR}
    PATH_VARS TRELLIS_DATA_DIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/trellisConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/trellisConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/trellisConfigVersion.cmake
        DESTINATION ${TRELLIS_PACKAGE_DIR})

# pkg-config: a shared library links TinyXML, FreeType, HarfBuzz, FriBidi, libunibreak and
# libpng itself, so programs need TinyXML only for a static link of their own; a static library
# leaves them all to every program that links trellis. libpng, FreeType, HarfBuzz, FriBidi and
# libunibreak are named by their libraries alone: their headers stay out of the flags, as no
# public header of ours includes them.
set(TRELLIS_PC_LIBS_EXTRA "")
if(BUILD_SHARED_LIBS)
    set(TRELLIS_PC_REQUIRES "gl glu")
    set(TRELLIS_PC_REQUIRES_PRIVATE "Requires.private: tinyxml")
else()
    set(TRELLIS_PC_LIBS_EXTRA " -lpng16 -lfreetype -lharfbuzz -lfribidi")
    if(TRELLIS_USE_UNIBREAK)
        string(APPEND TRELLIS_PC_LIBS_EXTRA " -lunibreak")
    endif()
    set(TRELLIS_PC_REQUIRES "gl glu tinyxml")
    set(TRELLIS_PC_REQUIRES_PRIVATE "")
endif()
# Each file names the prefix it is installed to, which `cmake --install --prefix` may change: it
# is written at install time, straight to its place, so that installs to several prefixes from
# one build never share a file. trellis.pc is the library alone; trellis-glfw.pc adds GLFW.
set(TRELLIS_PC_PREFIX "@TRELLIS_PC_PREFIX@")
set(pc_files trellis)
if(TARGET trellis-glfw)
    list(APPEND pc_files trellis-glfw)
endif()
foreach(pc_file ${pc_files})
    configure_file(cmake/${pc_file}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc_file}.pc.in @ONLY)
    install(CODE "
        set(TRELLIS_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
        set(pc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/${pc_file}.pc\")
        message(STATUS \"Installing: \${pc}\")
        configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/${pc_file}.pc.in\" \"\${pc}\" @ONLY)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${pc}\")")
endforeach()

# The demo reads its files from the folder it runs in: the program goes to libexec, and the
# trellis-demo command in bin changes to share/trellis, where the files are, and runs it.
if(TRELLIS_BUILD_DEMO)
    trellis_install_program(trellis-demo ${TRELLIS_PROGRAM_DIR})
    install(FILES data/defaultSkin.xml data/testDialogue.xml DESTINATION ${TRELLIS_DATA_DIR})
    file(RELATIVE_PATH TRELLIS_LAUNCH_DATA /${CMAKE_INSTALL_BINDIR} /${TRELLIS_DATA_DIR})
    file(RELATIVE_PATH TRELLIS_LAUNCH_PROGRAM /${CMAKE_INSTALL_BINDIR}
         /${TRELLIS_PROGRAM_DIR}/trellis-demo)
    configure_file(cmake/trellis-demo.sh.in ${CMAKE_CURRENT_BINARY_DIR}/trellis-demo.sh @ONLY)
    install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/trellis-demo.sh
            DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME trellis-demo)
endif()

# The font baker, the off-screen renderer and the live preview, and the font the baker baked for
# the demo, which programs of their own may use too.
if(TRELLIS_BUILD_TOOLS)
    trellis_install_program(trellis-fontbake ${CMAKE_INSTALL_BINDIR})
    trellis_install_program(trellis-lint ${CMAKE_INSTALL_BINDIR})
    trellis_install_program(trellis-render ${CMAKE_INSTALL_BINDIR})
    trellis_install_program(trellis-preview ${CMAKE_INSTALL_BINDIR})
    install(FILES ${TRELLIS_RUN_DIR}/verdana.glf DESTINATION ${TRELLIS_DATA_DIR})
endif()
