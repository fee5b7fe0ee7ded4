# Windows on x86-64 (64-bit), cross-compiled with mingw-w64.
set(VELTRANO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
