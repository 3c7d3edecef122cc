#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(./tools/build.sh --test | tail -n 1)
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
