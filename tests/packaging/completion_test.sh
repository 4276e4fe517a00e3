# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of dpmr-cli against the built program: verbs, options,
# pages, sections, field keys of get and set, files.
set -u
export PATH=$BUILD_DIR:$PATH
source "${COMPLETION:-$SOURCE_DIR/packaging/dpmr-cli.bash}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
touch "$tmp/radio.dat"
fail=0

complete_line() {  # the words of a command line, the last one being completed
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _dpmr_cli 2>/dev/null  # compopt only works inside a real completion
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {  # NAME EXPECTED-LINES ACTUAL-LINES
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    diff <(echo "$2") <(echo "$3") | head -20
    fail=1
  fi
}

# The channel keys are what `dpmr-cli keys channel` lists, at least the 8
# table columns of each of the 16 channels.
channel_keys=$(dpmr-cli keys channel | cut -f1 | grep '^channel\.' | sort)
for k in channel.1.rx_freq channel.16.type channel.16.bandwidth; do
  grep -qx "$k" <<<"$channel_keys" || { echo "FAIL: keys channel lacks $k"; fail=1; }
done
[ "$(wc -l <<<"$channel_keys")" -ge 128 ] || { echo "FAIL: fewer than 128 channel keys"; fail=1; }
expect "get x.dat chan" "$channel_keys" "$(complete_line dpmr-cli get x.dat chan)"
expect "get x.dat option.tot channel.16.t" "$(grep '^channel\.16\.t' <<<"$channel_keys")" \
  "$(complete_line dpmr-cli get x.dat option.tot channel.16.t)"
expect "set x.dat pmr.16.po" "pmr.16.power=" "$(complete_line dpmr-cli set x.dat pmr.16.po)"
expect "set x.dat band = (value)" "" "$(complete_line dpmr-cli set x.dat band = '')"
expect "verbs f" "$(printf 'factory-read\nfactory-write')" "$(complete_line dpmr-cli f)"
expect "read --b" "$(printf -- '--base\n--baud')" "$(complete_line dpmr-cli read --b)"
expect "new -" "$(printf -- '--app-dir\n--output\n--template\n-o')" "$(complete_line dpmr-cli new -)"
# every option of every verb completes, each with what its placeholder names
for verb in $(_dpmr_cli_words dpmr-cli verbs); do
  [ -n "$(complete_line dpmr-cli "$verb" --)" ] || [ -z "$(_dpmr_cli_words dpmr-cli options "$verb")" ] ||
    { echo "FAIL: no options complete for $verb"; fail=1; }
done
expect "diff --port value" "" "$(complete_line dpmr-cli diff x.dat --port /nonexistent/tty)"
expect "write --id-from value (a number)" "" "$(complete_line dpmr-cli write --id-from "$tmp/r")"
expect "backups --app-dir (folders)" "$tmp" "$(complete_line dpmr-cli backups --app-dir "$tmp")"
expect "write --verify file (a flag takes no value)" "$tmp/radio.dat" \
  "$(complete_line dpmr-cli write --verify "$tmp/ra")"
expect "keys dtmf_" "$(printf 'dtmf_contact\ndtmf_decode\ndtmf_encode')" "$(complete_line dpmr-cli keys dtmf_)"
expect "show x.dat gr" "grouplists" "$(complete_line dpmr-cli show x.dat gr)"
expect "get file" "$tmp/radio.dat" "$(complete_line dpmr-cli get "$tmp/ra")"
expect "read -o file" "$tmp/radio.dat" "$(complete_line dpmr-cli read -o "$tmp/r")"
# --template offers the names `dpmr-cli templates` lists, not files
expect "new --template (names)" "$(dpmr-cli templates | cut -f1 | sed 's/ /\\ /g' | sort)" \
  "$(complete_line dpmr-cli new -o x.dat --template '')"
expect "new --template PMR" 'PMR446\ analog' "$(complete_line dpmr-cli new --template PMR)"
expect "--baud value" "115200" "$(complete_line dpmr-cli write --baud 11)"
exit $fail
