# Cross-compile for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686-posix).
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLE i686-w64-mingw32)
# SSE2 for all double arithmetic, never x87 extended precision, so results
# match the 64-bit and Linux builds.
set(MINGW_EXTRA_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
