#!/usr/bin/env bash
# Checks the source tree itself: "core" fails when a core room (a folder
# declaring a corvanta_core_library) includes Qt or a shell's header (app,
# cli, view other than view/layout) or, outside it, the chord controls'
# state (chord_entry), which the CLI's clicks command alone may use, or a
# room the page's module links includes a stream, locale or regex header;
# "format" fails when a tracked C++ file
# drifts from the repository's .clang-format, and is skipped (status 77)
# without clang-format; "translations" fails when a text the sources give
# tr() or translate() has no finished English translation in
# i18n/corvanta_en.ts (lupdate reads the sources into a copy of the file;
# skipped without lupdate).
# Usage: tests/source_checks.sh core|format|translations [source folder] [lupdate]
set -euo pipefail
check=${1:?core, format or translations}
cd "${2:-$(dirname "$0")/..}"

# The C++ files of the tree: the tracked ones in a git checkout, else every
# one outside build folders.
cpp_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -- '*.h' '*.hpp' '*.cpp' '*.cc'
  else
    find . \( -name 'build*' -o -name node_modules -o -name .git \) -prune -o \
      -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print |
      sed 's|^\./||'
  fi
}

case "$check" in
  core)
    rooms=$(grep -l 'corvanta_core_library(' src/*/CMakeLists.txt src/*/*/CMakeLists.txt |
            xargs -n1 dirname | sort -u)
    [[ -n "$rooms" ]] || { echo "no core rooms found under src/"; exit 1; }
    status=0
    for room in $rooms; do
      # Only the room's own files: a subfolder is a room of its own or a shell.
      for file in "$room"/*.h "$room"/*.cpp; do
        [[ -f "$file" ]] || continue
        if grep -nE '^\s*#\s*include\s*[<"](Qt[A-Za-z]*/)?Q[A-Za-z]*(\.h)?[>"]' "$file"; then
          echo "$file: a core room includes Qt"
          status=1
        fi
        if grep -nE '^\s*#\s*include\s*"(app|cli|view)/' "$file" | grep -v '"view/layout/'; then
          echo "$file: a core room includes a shell's header"
          status=1
        fi
        if [[ "$room" != src/chord_entry ]] && grep -nE '^\s*#\s*include\s*"chord_entry/' "$file"; then
          echo "$file: a core room includes the chord controls' state"
          status=1
        fi
        # The page's module carries the rooms but the desktop's own (files,
        # modules, the synthesizer): streams would bring the locale library.
        case "$room" in src/files | src/modules | src/sound/fluidsynth) continue ;; esac
        if grep -nE '^\s*#\s*include\s*<(sstream|iostream|istream|ostream|fstream|iomanip|locale|regex)>' "$file"; then
          echo "$file: a room of the page's module includes a stream or locale header"
          status=1
        fi
      done
    done
    # The chord controls' state is the window's and the page's pickers'; in
    # the CLI only the clicks command, which drives the check list, uses it.
    for file in src/cli/*.h src/cli/*.cpp; do
      [[ -f "$file" && "$file" != src/cli/entry_commands.cpp ]] || continue
      if grep -nE '^\s*#\s*include\s*"chord_entry/' "$file"; then
        echo "$file: reads symbols through the chord controls' state"
        status=1
      fi
    done
    echo "core rooms checked: $(echo $rooms)"
    exit $status
    ;;
  format)
    if ! command -v clang-format >/dev/null; then
      echo "clang-format is not installed (tools/install-deps.sh --test installs it): skipped"
      exit 77
    fi
    files=$(cpp_files)
    if ! echo "$files" | xargs clang-format --dry-run -Werror; then
      echo "Files above differ from .clang-format; run: clang-format -i <file>"
      exit 1
    fi
    echo "$(echo "$files" | wc -l) files match .clang-format"
    ;;
  translations)
    lupdate=${3:-$(command -v lupdate || true)}
    if [[ -z "$lupdate" || ! -x "$lupdate" ]]; then
      echo "lupdate is not installed (qt6-l10n-tools): skipped"
      exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp i18n/corvanta_en.ts "$work/en.ts"
    # The copy keeps every entry; texts no source names any more (the core
    # tables' captions, kept by hand) come back marked vanished.
    "$lupdate" -silent -locations none src -ts "$work/en.ts" >"$work/lupdate.log" 2>&1 ||
      { cat "$work/lupdate.log"; exit 1; }
    # One line per text still to translate: its context and its source. The
    # file itself is read too, for the hand-kept entries lupdate marks vanished.
    awk '
      /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
      /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
      /<translation/ {
        gone = $0 ~ /type="(vanished|obsolete)"/
        if (!gone && ($0 ~ /type="unfinished"/ || $0 ~ /<translation><\/translation>/ ||
                      $0 ~ /<translation\/>/))
          print context ": " source
      }
      /<numerusform><\/numerusform>/ && !gone { print context ": " source }
    ' "$work/en.ts" i18n/corvanta_en.ts | sort -u >"$work/missing"
    if [[ -s "$work/missing" ]]; then
      echo "Texts without an English translation in i18n/corvanta_en.ts:"
      cat "$work/missing"
      exit 1
    fi
    echo "every source text has its English translation"
    ;;
  *)
    echo "unknown check: $check (core, format or translations)"
    exit 2
    ;;
esac
