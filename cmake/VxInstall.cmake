# Installation: the library and its C headers, the components it calls (the stand-ins
# the tool runs with), the tool with its shell completion scripts and the syntax
# description of its commands, a CMake package
# (find_package(zornavx_cmdsyn CONFIG) gives zornavx_cmdsyn::zornavx_cmdsyn) and a
# pkg-config file (zornavx_cmdsyn.pc). The message catalog is installed by nls/.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(vx_install_libraries zornavx_cmdsyn zornacmdsyn zornavx_cmd zornatbs zornavxinfobase zornashp zornaks)
set(vx_install_includedir ${CMAKE_INSTALL_INCLUDEDIR}/zornavx_cmdsyn)
set(vx_install_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/zornavx_cmdsyn)

# The tool and the libraries find the libraries relative to themselves, so the tree
# works wherever it is put (cmake --install --prefix). The build tree has the same
# layout, so they are built with that path: CMake would otherwise pad a build-tree path
# with empty entries (room for the installed one to be written in), and an empty entry
# makes the loader search the current folder.
file(RELATIVE_PATH vx_bin_to_lib /root/${CMAKE_INSTALL_BINDIR} /root/${CMAKE_INSTALL_LIBDIR})
set_target_properties(vexar PROPERTIES INSTALL_RPATH "$ORIGIN/${vx_bin_to_lib}" BUILD_WITH_INSTALL_RPATH ON)
foreach(library IN LISTS vx_install_libraries)
  set_target_properties(${library} PROPERTIES INSTALL_RPATH "$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)
  # The headers come from the source tree while building, from the installed tree after.
  get_target_property(vx_build_includes ${library} INTERFACE_INCLUDE_DIRECTORIES)
  set(vx_includes "$<INSTALL_INTERFACE:${vx_install_includedir}>")
  foreach(directory IN LISTS vx_build_includes)
    list(APPEND vx_includes "$<BUILD_INTERFACE:${directory}>")
  endforeach()
  set_property(TARGET ${library} PROPERTY INTERFACE_INCLUDE_DIRECTORIES ${vx_includes})
endforeach()
# The version script names the interface LIBZORNAVX_CMDSYN_1: the soname follows it.
# (Windows DLL names stay as they are.)
if(NOT WIN32)
  set_target_properties(zornavx_cmdsyn PROPERTIES VERSION 1.0.0 SOVERSION 1)
endif()

install(TARGETS ${vx_install_libraries} EXPORT zornavx_cmdsyn_targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vexar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${vx_install_includedir} FILES_MATCHING PATTERN "*.h")

install(EXPORT zornavx_cmdsyn_targets NAMESPACE zornavx_cmdsyn:: FILE zornavx_cmdsynTargets.cmake
        DESTINATION ${vx_install_cmakedir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zornavx_cmdsynConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/zornavx_cmdsynConfig.cmake INSTALL_DESTINATION ${vx_install_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zornavx_cmdsynConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zornavx_cmdsynConfig.cmake ${PROJECT_BINARY_DIR}/zornavx_cmdsynConfigVersion.cmake
        DESTINATION ${vx_install_cmakedir})

# pkg-config: the prefix is found from where the file lies, like the CMake package.
file(RELATIVE_PATH vx_pc_to_prefix /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" vx_pc_to_prefix "${vx_pc_to_prefix}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/zornavx_cmdsyn.pc.in ${PROJECT_BINARY_DIR}/zornavx_cmdsyn.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zornavx_cmdsyn.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Shell completion, where bash-completion, zsh and fish look for it.
install(FILES ${PROJECT_SOURCE_DIR}/completion/vexar.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vexar)
install(FILES ${PROJECT_SOURCE_DIR}/completion/_vexar DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/site-functions)
install(FILES ${PROJECT_SOURCE_DIR}/completion/vexar.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

# The syntax description of the commands, for other programs (README: "Syntax description").
install(FILES ${VX_SYNTAX_JSON} DESTINATION ${CMAKE_INSTALL_DATADIR}/vexar)
