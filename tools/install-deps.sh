#!/usr/bin/env bash
# Installs the Debian packages Corvanta needs: what building and running the
# program takes, and with --test also the tests', benchmarks' and tools'.
# Idempotent and quiet: it asks apt only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config help2man
  libcli11-dev
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools fonts-wqy-microhei
  libfluidsynth-dev fluid-soundfont-gm librtmidi-dev
)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # The JSON reader the tests hold the program's JSON against.
    nlohmann-json3-dev
    xvfb xauth imagemagick poppler-utils
    # The format check of every C++ file.
    clang-format
    desktop-file-utils appstream
    # A dark desktop as users have one: the GTK platform theme, the Adwaita
    # styles (light and dark) and GTK's dark theme, for the contrast tests.
    qt6-gtk-platformtheme adwaita-qt6 gnome-themes-extra
  )
fi

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
