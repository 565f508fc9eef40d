# What the Windows toolchains share; VX_MINGW_TRIPLET and VX_WINE_ARCH name the target.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR ${VX_MINGW_TRIPLET})
set(CMAKE_C_COMPILER ${VX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every module carries its own C++ runtime and threads, so that a DLL depends on the
# system's DLLs and the components' only, and runs wherever it is copied.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

# nlohmann/json is header-only: the host's copy serves, from a folder that holds only
# it, so that no other host header gets in.
set(_vx_host_headers ${CMAKE_BINARY_DIR}/host-headers)
if(EXISTS /usr/include/nlohmann AND NOT EXISTS ${_vx_host_headers}/nlohmann)
  file(MAKE_DIRECTORY ${_vx_host_headers})
  file(CREATE_LINK /usr/include/nlohmann ${_vx_host_headers}/nlohmann SYMBOLIC)
endif()
set(CMAKE_CXX_FLAGS_INIT "-isystem ${_vx_host_headers}")

# Test programs run under wine, in a wine prefix of the target's kind inside the build
# tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${VX_WINE_ARCH})
