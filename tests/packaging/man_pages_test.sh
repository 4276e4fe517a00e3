# SPDX-License-Identifier: GPL-3.0-or-later
# Every verb and option that a program's --help names appears in its manual
# page source, so that the pages cannot drift from the programs.
set -u
fail=0
page_text() {  # the page without its markup: *bold*, _underline_, \_ escapes
  sed -e 's/\\_/\x01/g' -e 's/[*_]//g' -e 's/\x01/_/g' "$SOURCE_DIR/packaging/man/$1.1.scd"
}
expect_in_page() {  # PAGE WORD...
  local page=$1 text word
  shift
  text=$(page_text "$page")
  for word in "$@"; do
    if ! grep -qw -- "$word" <<<"$text"; then
      echo "FAIL: $page.1 does not mention '$word'"
      fail=1
    fi
  done
}
options_of() { grep -o -- '\(^\|[[ ,]\)--*[a-z][a-z-]*' | sed 's/^[[ ,]//' | sort -u; }

cli=$BUILD_DIR/dpmr-cli
verbs=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ "$(wc -w <<<"$verbs")" -ge 10 ] || { echo "FAIL: dpmr-cli --help lists too few verbs: $verbs"; fail=1; }
expect_in_page dpmr-cli $verbs --help --version
for v in $verbs; do
  expect_in_page dpmr-cli $("$cli" "$v" --help | options_of)
done
# Each verb's synopsis in the page names exactly the options of the verb's
# own table (the Options part of its help), -o standing for --output too.
source "$SOURCE_DIR/packaging/dpmr-cli.bash"
for v in $verbs; do
  want=$(_dpmr_cli_words "$cli" options "$v" | cut -d' ' -f1 | grep -vx -- --output | sort -u)
  got=$(grep "^\*$v\* " "$SOURCE_DIR/packaging/man/dpmr-cli.1.scd" | grep -o -- '\*-[a-z-]*\*' | tr -d '*' | sort -u)
  if [ "$want" != "$got" ]; then
    echo "FAIL: the synopsis of $v in dpmr-cli.1 (< its help, > the page)"
    diff <(echo "$want") <(echo "$got")
    fail=1
  fi
done
expect_in_page dpmr-cli $("$cli" show 2>&1 | sed -n 's/.*(WHAT: \(.*\)).*/\1/p' | tr -d ',')

expect_in_page dpmr-sim $("$BUILD_DIR/dpmr-sim" --help | options_of)
sim_faults=$("$BUILD_DIR/dpmr-sim" --help | sed -n 's/.*misbehave: //p' | tr -d ',' | sed 's/:[A-Z]*//g')
expect_in_page dpmr-sim $sim_faults

cps_options=$("$BUILD_DIR/dpmr-cps" --help | options_of)
[ -n "$cps_options" ] || { echo "FAIL: dpmr-cps --help printed no options"; fail=1; }
expect_in_page dpmr-cps $cps_options
exit $fail
