#!/usr/bin/env bash
# Builds, starts Corvanta under Xvfb, and saves screenshots/start.png and
# screenshots/after-click.png (the window after a click on a diagram).
# Usage: tools/screenshot.sh [folder] [cell] [chord symbol to query first, or ""] [en|zh] [capo] [instrument]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(./tools/build.sh --test | tail -n 1)
out=${1:-screenshots}
xvfb-run -a -s "-screen 0 1280x800x24" "$build_dir/tools/screenshot/corvanta-screenshot" "$out" "${2:-2}" "${3:-}" "${4:-}" ${5:+"$5"} ${6:+"$6"}
