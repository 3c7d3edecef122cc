#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or
# build-sanitize/ with CORVANTA_SANITIZE=1).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
build_dir=build
flags=()
if [[ "${CORVANTA_SANITIZE:-0}" == 1 ]]; then
  build_dir=build-sanitize
  flags+=(-DCORVANTA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$build_dir" -Wno-dev "${flags[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" -- --no-print-directory >/dev/null
echo "$build_dir"
