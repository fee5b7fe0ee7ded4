# Cross-compiling for Windows with Debian's mingw-w64 (posix threads), included by the toolchain
# file of each target after it has set VELTRANO_MINGW_TRIPLE.
#
# The third-party libraries for Windows (SQLite, GoogleTest, the JSON headers) are looked for in
# VELTRANO_WINDOWS_DEPS only, never among the build machine's own libraries;
# scripts/build-windows-deps.sh puts them there.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELTRANO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRANO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRANO_MINGW_TRIPLE}-windres)

if(NOT VELTRANO_WINDOWS_DEPS)
  set(VELTRANO_WINDOWS_DEPS "${CMAKE_CURRENT_LIST_DIR}/../build/windows-deps/${VELTRANO_MINGW_TRIPLE}")
endif()
get_filename_component(VELTRANO_WINDOWS_DEPS "${VELTRANO_WINDOWS_DEPS}" ABSOLUTE)
# try_compile projects read the toolchain file again; they need the same folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELTRANO_WINDOWS_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/${VELTRANO_MINGW_TRIPLE} ${VELTRANO_WINDOWS_DEPS})
set(CMAKE_PREFIX_PATH ${VELTRANO_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs run on a bare Windows: the C++ runtime, libgcc and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
