# Cross-compiling for 64-bit Windows with Debian's mingw-w64, in its POSIX
# threads variant: GoogleTest's std::mutex and Qt's threads need it.
# Programs link the compiler's runtime as DLLs (libstdc++-6.dll,
# libgcc_s_seh-1.dll, libwinpthread-1.dll), as Qt's DLLs do: one C++ runtime
# in the process, shipped beside the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Appended to, so that a Qt built for Windows can be added with
# -DCMAKE_FIND_ROOT_PATH=<its prefix>.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The same source gives the same binaries in any folder, at any time: the
# source and build folders are mapped out of them, and the linker writes no
# time into the PE header and export table (GCC itself takes the date for
# __DATE__ from SOURCE_DATE_EPOCH). Set whole, as CMake reads this file
# more than once.
set(CMAKE_C_FLAGS_INIT "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.")
set(CMAKE_CXX_FLAGS_INIT "${CMAKE_C_FLAGS_INIT}")
foreach(kind IN ITEMS EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
endforeach()
