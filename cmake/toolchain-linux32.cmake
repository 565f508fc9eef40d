# 32-bit Linux (i686) with the host compiler in -m32 mode (Debian's g++-multilib):
# pointers, longs and size_t are 32 bits wide, as in the tool's home process.
# Not a cross build: the host runs i686 programs, so build steps that run programs of
# the project (the catalog writer) and the tests run them as they are.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
# The i386 libraries of the multiarch tree (libedit-dev:i386), never the 64-bit ones.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)
