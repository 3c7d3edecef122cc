#!/usr/bin/env bash
# The browser edition: installs what is missing (Debian's emscripten,
# nodejs, npm and chromium; the tests' npm packages from web/'s lock file),
# builds the site into build-web/site/ and serves it on 127.0.0.1.
#   ./tools/web.sh               build and serve (the URL is printed)
#   ./tools/web.sh --build-only  build only
#   ./tools/web.sh --test        build, then run the core's tests under node
#                                and the page tests in headless chromium
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
port=${CORVANTA_WEB_PORT:-8037}

# Each package is asked for only when what it provides is missing (a node
# from elsewhere brings its own npm, which Debian's npm package conflicts with).
wanted=("em++:emscripten" "node:nodejs" "cmake:cmake" "make:make")
[[ "$mode" == "--test" ]] && wanted+=("npm:npm" "chromium:chromium" "/usr/src/googletest:googletest")
missing=()
for pair in "${wanted[@]}"; do
  provided=${pair%%:*}
  if [[ "$provided" == /* ]]; then
    [[ -e "$provided" ]] || missing+=("${pair#*:}")
  else
    command -v "$provided" >/dev/null || missing+=("${pair#*:}")
  fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Debian's emscripten runs its JavaScript tools with node, which finds their
# modules (acorn, terser) only here.
export NODE_PATH=/usr/share/nodejs
build=build-web/cmake
site=build-web/site
testing=OFF
[[ "$mode" == "--test" ]] && testing=ON
# The module is compiled for size (-Os: it is downloaded), except the files
# where a search or a song's voicing spends its time, which the build marks
# for speed (corvanta_speed_critical). The tests stay configured once built,
# so a later --build-only does not drop them.
[[ -f "$build/tests/CTestTestfile.cmake" ]] && testing=ON
emcmake cmake -S . -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_CXX_FLAGS_RELEASE=-Os -DNDEBUG" -DBUILD_TESTING=$testing >/dev/null 2>&1 ||
  emcmake cmake -S . -B "$build" -Wno-dev -DBUILD_TESTING=$testing >/dev/null
cmake --build "$build" -j"$(nproc)" -- --no-print-directory >/dev/null

mkdir -p "$site"
cp web/index.html web/style.css web/app.js web/draw.js web/sound.js web/song.js web/sheet.js web/song_store.js web/measure.js \
  "$build/web/corvanta.mjs" "$build/web/corvanta.wasm" "$site/"
node web/tools/strings.mjs i18n/corvanta_en.ts "$site/strings.js"
cp web/manifest.webmanifest "$site/"
mkdir -p "$site/icons"
cp web/icons/icon-192.png web/icons/icon-512.png web/icons/icon.svg "$site/icons/"
# The offline worker lists every file and names the version by their digest,
# so a changed site replaces the cached one on the next load.
node web/tools/stamp_worker.mjs "$site" web/sw.js
echo "Site built in $site/" >&2

case "$mode" in
  --build-only) ;;
  --test)
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
    (cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    CORVANTA_SITE="$PWD/$site" timeout 600 node --test --test-concurrency=1 web/tests/page.test.mjs web/tests/song.test.mjs web/tests/a11y.test.mjs web/tests/update.test.mjs
    ;;
  *) exec node web/tools/serve.mjs "$site" "$port" ;;
esac
