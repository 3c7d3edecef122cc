#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvanta.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(./tools/build.sh | tail -n 1)
if [[ -x "$build_dir/src/app/corvanta" ]]; then
  exec "$build_dir/src/app/corvanta" "$@"
fi
exec "$build_dir/src/cli/corvanta-cli" search "$@"
