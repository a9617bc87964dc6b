# Installation: the shared and static library, the C header, the Fortran
# module (compiled .mod and its interface source, so other gfortran versions
# can rebuild it), the installation directory the library reads at run time
# (map data, usage log), a pkg-config file and a CMake package with the
# imported targets zantor::zantor and zantor::fortran.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZANTOR_FORTRAN_MODDIR ${CMAKE_INSTALL_INCLUDEDIR}/zantor/fortran)
set(ZANTOR_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/zantor)

install(TARGETS zantor zantor_static zantor_fortran EXPORT zantorTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/zantor.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_BINARY_DIR}/fortran/zantor.mod
              ${PROJECT_SOURCE_DIR}/include/zantor.f90
        DESTINATION ${ZANTOR_FORTRAN_MODDIR})

# The installation directory: map files go to map/, the usage log
# zantor.log is appended to by every process that may write there.
install(DIRECTORY DESTINATION ${ZANTOR_DATADIR}/map)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/map)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/map/ DESTINATION ${ZANTOR_DATADIR}/map)
endif()

install(EXPORT zantorTargets NAMESPACE zantor:: DESTINATION ${ZANTOR_CMAKEDIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zantorConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zantorConfig.cmake INSTALL_DESTINATION ${ZANTOR_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zantorConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zantorConfig.cmake
              ${PROJECT_BINARY_DIR}/zantorConfigVersion.cmake
        DESTINATION ${ZANTOR_CMAKEDIR})

# The pkg-config files name the prefix relative to their own place, so the
# package works wherever `cmake --install --prefix` puts it.
file(RELATIVE_PATH ZANTOR_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
foreach(pc zantor zantor-fortran)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

# The low-resolution shoreline file (map base "GSHL"), written by the build
# from the built-in map.
install(FILES ${PROJECT_BINARY_DIR}/tests/install/map/gshhs_l.b
        DESTINATION ${ZANTOR_DATADIR}/map OPTIONAL)
