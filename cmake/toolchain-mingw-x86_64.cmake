# 64-bit Windows (x86-64) through the mingw-w64 cross compiler, posix-threads flavour.
# The Windows behaviour of the tool and the components, under wine64, on machines
# whose kernel cannot start the 32-bit wine; the 32-bit build proves the record layout.
set(VX_MINGW_TRIPLET x86_64-w64-mingw32)
set(VX_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
