#!/usr/bin/env bash
# Checks the difficulty's weights against published shapes and prints the
# agreement: the MIT-licensed chords-db data (@tombatossals/chords-db on the
# npm registry, its lib/guitar.json: about 2,000 guitar shapes of 12 keys
# and 40 chord types, listed by neck position) and the songbook table of
# tests/search/songbook_shapes.h. `--fit` also searches for better weights
# (each in turn scaled while the agreement grows) and prints them.
# Needs a build with tests (./tools/build.sh --test) and npm.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=build/tools/calibrate/calibrate_difficulty
[[ -x "$tool" ]] || cmake --build build -j2 --target calibrate_difficulty >/dev/null
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
(cd "$data" && npm pack --silent @tombatossals/chords-db@0.5.1 >/dev/null && tar xzf ./*.tgz)
"$tool" "$data/package/lib/guitar.json" "$@"
