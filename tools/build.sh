#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or
# build-sanitize/ with CORVANTA_SANITIZE=1). With --test the tests and the
# benchmarks are built too (and their packages installed).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
./tools/install-deps.sh $mode
build_dir=build
flags=()
if [[ "$mode" == "--test" ]]; then
  flags+=(-DBUILD_TESTING=ON -DCORVANTA_BUILD_BENCHMARKS=ON)
else
  flags+=(-DBUILD_TESTING=OFF -DCORVANTA_BUILD_BENCHMARKS=OFF)
fi
if [[ "${CORVANTA_SANITIZE:-0}" == 1 ]]; then
  build_dir=build-sanitize
  flags+=(-DCORVANTA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$build_dir" -Wno-dev "${flags[@]}" >/dev/null
# make's own quiet flag only where make builds (a folder set up for Ninja has none).
native=()
[[ -f "$build_dir/Makefile" ]] && native=(-- --no-print-directory)
cmake --build "$build_dir" -j"$(nproc)" "${native[@]}" >/dev/null
echo "$build_dir"
