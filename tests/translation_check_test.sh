#!/usr/bin/env bash
# Holds the translation check (source_checks.sh translations) to small
# trees of its own: it must name a text with no English, an unfinished or
# empty translation and a hand-kept one left unfinished, and pass a tree
# whose every text is translated. Skipped (77) without lupdate.
# Usage: tests/translation_check_test.sh <lupdate>
set -uo pipefail
lupdate=${1:-$(command -v lupdate || true)}
[[ -n "$lupdate" && -x "$lupdate" ]] || { echo "no lupdate: skipped"; exit 77; }
check="$(cd "$(dirname "$0")" && pwd)/source_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One source with two texts in the window's context.
source_file='#include <QCoreApplication>
QString Caption() { return QCoreApplication::translate("corvanta::TForm1", "文件"); }
QString Hint() { return QCoreApplication::translate("corvanta::TForm1", "打开歌曲"); }'

# A translation file: the window's context with the given messages, and a
# hand-kept context lupdate cannot see.
ts_file() {
  printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
  printf '<TS version="2.1" language="en" sourcelanguage="zh_CN">\n'
  printf '<context>\n    <name>corvanta::TForm1</name>\n%s</context>\n' "$1"
  printf '<context>\n    <name>TuningPresets</name>\n%s</context>\n</TS>\n' "$2"
}
message() {  # source, translation element
  printf '    <message>\n        <source>%s</source>\n        %s\n    </message>\n' "$1" "$2"
}
file_done=$(message 文件 '<translation>File</translation>')
open_done=$(message 打开歌曲 '<translation>Open a song</translation>')
preset_done=$(message 标准音 '<translation>Standard</translation>')

failures=0
# name | window messages | hand-kept messages | expected status | text the report must name
run_case() {
  local name=$1 window=$2 kept=$3 expected=$4 named=$5
  local tree="$work/$name"
  mkdir -p "$tree/src" "$tree/i18n"
  printf '%s\n' "$source_file" >"$tree/src/texts.cpp"
  ts_file "$window" "$kept" >"$tree/i18n/corvanta_en.ts"
  local output status
  output=$(bash "$check" translations "$tree" "$lupdate" 2>&1)
  status=$?
  if [[ $status -ne $expected ]] || { [[ -n "$named" ]] && ! grep -qF -- "$named" <<<"$output"; }; then
    echo "FAIL $name: status $status (expected $expected), output:"
    echo "$output"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

run_case every_text_translated "$file_done$open_done" "$preset_done" 0 ""
run_case a_text_missing "$file_done" "$preset_done" 1 "corvanta::TForm1: 打开歌曲"
run_case a_text_unfinished "$file_done$(message 打开歌曲 '<translation type="unfinished">Open</translation>')" \
  "$preset_done" 1 "corvanta::TForm1: 打开歌曲"
run_case a_text_empty "$file_done$(message 打开歌曲 '<translation></translation>')" \
  "$preset_done" 1 "corvanta::TForm1: 打开歌曲"
run_case a_hand_kept_text_unfinished "$file_done$open_done" \
  "$(message 标准音 '<translation type="unfinished"></translation>')" 1 "TuningPresets: 标准音"
exit $((failures > 0))
