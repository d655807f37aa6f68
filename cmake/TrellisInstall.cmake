# Installing the library with its headers, an exported CMake package and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS trellis EXPORT trellisTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY app gui skin dialogue font
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trellis
        FILES_MATCHING PATTERN "*.h")
install(EXPORT trellisTargets NAMESPACE trellis::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trellis)

configure_package_config_file(cmake/trellisConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/trellisConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trellis)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/trellisConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/trellisConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/trellisConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/trellis)

configure_file(cmake/trellis.pc.in ${CMAKE_CURRENT_BINARY_DIR}/trellis.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/trellis.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(TRELLIS_BUILD_DEMO)
    install(TARGETS trellis-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
