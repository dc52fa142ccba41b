# Shared by the MinGW-w64 toolchain files, which set MINGW_TRIPLE first.
# The posix thread model is used because std::thread/std::mutex need it.
# The C/C++ runtime is linked statically: binaries import only KERNEL32.dll
# and msvcrt.dll. Tests run under Wine (scripts/wine-env) via ctest.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No fused multiply-add contraction, so results follow the written order.
set(CMAKE_C_FLAGS_INIT   "-ffp-contract=off ${MINGW_EXTRA_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "-ffp-contract=off ${MINGW_EXTRA_FLAGS}")

set(_mingw_static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${_mingw_static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_mingw_static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_mingw_static_runtime}")

# Lets ctest (and gtest_discover_tests) run the cross-built programs.
set(CMAKE_CROSSCOMPILING_EMULATOR /bin/bash "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-env")
