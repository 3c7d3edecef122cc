#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native ones,
# then the browser edition's (the core under node, the page in chromium,
# its list compared with this build's corvanta-cli).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(./tools/build.sh --test | tail -n 1)
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
CORVANTA_CLI="$PWD/$build_dir/src/cli/corvanta-cli" ./tools/web.sh --test
