# Cross-compile for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake
# The posix thread model is used because std::thread/std::mutex need it.
# The C/C++ runtime is linked statically: binaries import only KERNEL32.dll
# and msvcrt.dll. Tests run under Wine (scripts/wine-env) via ctest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_C_FLAGS_INIT   "-ffp-contract=off")
set(CMAKE_CXX_FLAGS_INIT "-ffp-contract=off")

set(_mingw_static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${_mingw_static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_mingw_static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_mingw_static_runtime}")

# Lets ctest (and gtest_discover_tests) run the cross-built programs.
set(CMAKE_CROSSCOMPILING_EMULATOR /bin/bash "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-env")
