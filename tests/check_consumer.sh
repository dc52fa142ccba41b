#!/usr/bin/env bash
# Installs the build tree into a staging prefix, then configures, builds and
# runs tests/consumer against that prefix as a separate project.
set -euo pipefail
build=$1 source=$2
stage=$build/stage
rm -rf "$stage" "$build/consumer"
cmake --install "$build" --prefix "$stage" >/dev/null
for f in lib/KXVLiBr.so include/KXVLiBr.h include/KXVLiBr/model.hpp lib/libkxvlibr_core.a \
         lib/cmake/KXVLiBr/KXVLiBrConfig.cmake lib/cmake/KXVLiBr/KXVLiBrConfigVersion.cmake \
         lib/python3/dist-packages/kxvlibr/__init__.py lib/python3/dist-packages/kxvlibr/KXVLiBr.so; do
  [ -e "$stage/$f" ] || { echo "not installed: $f"; exit 1; }
done
cmake -S "$source/tests/consumer" -B "$build/consumer" -DCMAKE_PREFIX_PATH="$stage" >/dev/null
cmake --build "$build/consumer" >/dev/null
"$build/consumer/kxvlibr_consumer"
