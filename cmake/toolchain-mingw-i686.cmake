# 32-bit Windows (i686) through the mingw-w64 cross compiler, posix-threads flavour
# (std::mutex and std::thread): the tool's home platform. Programs built here run under
# wine.
set(VX_MINGW_TRIPLET i686-w64-mingw32)
set(VX_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
