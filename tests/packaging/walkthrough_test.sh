#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's five-minute walkthrough, command by command as it is
# printed there, against the simulated radio in an empty folder: a command
# shown to new users that stops working fails here first.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
script=$(awk '/<!-- walkthrough/ {f = 1; next} f && /^```sh/ {g = 1; next} g && /^```/ {exit} g {print}' "$SOURCE_DIR/README.md")
[ -n "$script" ] || { echo "FAIL: README.md has no walkthrough block"; exit 1; }
cd "$work"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export PATH=$BUILD_DIR:$PATH
mkdir -p "$HOME"
{ echo 'set -euo pipefail'; echo 'trap "kill \$(jobs -p) 2>/dev/null || true" EXIT'; echo "$script"; } > walkthrough.sh
if ! timeout 300 bash -x walkthrough.sh > out.txt 2>&1; then
  cat out.txt
  echo "FAIL: the walkthrough stopped at the last command above"
  exit 1
fi
fail=0
expect() {  # WHAT PATTERN
  grep -q -- "$2" out.txt || { echo "FAIL: the walkthrough shows no $1 ('$2')"; fail=1; }
}
expect "channel 3 as set" '446.006250'
expect "radio id as stored" '0001234'
expect "verified write" 'verified'
expect "kept backup" 'ttyUSB0\|pts'
[ -s radio.yaml ] || { echo "FAIL: the walkthrough's export wrote no radio.yaml"; fail=1; }
grep -q 'radio_id: "0001234"' radio.yaml || { echo "FAIL: radio.yaml lacks the radio id"; fail=1; }
[ $fail -eq 0 ] || cat out.txt
exit $fail
