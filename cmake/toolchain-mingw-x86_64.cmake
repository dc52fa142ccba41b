# Cross-compile for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_EXTRA_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
