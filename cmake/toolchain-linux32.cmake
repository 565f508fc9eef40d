# 32-bit Linux (i686) with the host compiler in -m32 mode (Debian's g++-multilib):
# pointers, longs and size_t are 32 bits wide, as in the tool's home process.
# Not a cross build: the host runs i686 programs, so build steps that run programs of
# the project (the catalog writer) and the tests run them as they are.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
# Large-file aware, with a 64-bit time_t: without it readdir, stat and open fail with
# EOVERFLOW on a file over 2 GiB or an inode number past 32 bits (file systems that
# hand those out, and qemu-user, which passes the host's 64-bit numbers through).
set(CMAKE_C_FLAGS_INIT "-m32 -D_FILE_OFFSET_BITS=64 -D_TIME_BITS=64")
set(CMAKE_CXX_FLAGS_INIT "-m32 -D_FILE_OFFSET_BITS=64 -D_TIME_BITS=64")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
# The i386 libraries of the multiarch tree (libedit-dev:i386), never the 64-bit ones.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)
