# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` under a prefix: the files land where the desktop, man,
# udev and bash look for them, and the installed programs run from there and
# find their data files in share/dpmr-cps of the prefix.
set -u
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
fail=0
for f in bin/dpmr-cps bin/dpmr-cli bin/dpmr-sim \
         share/applications/dpmr-cps.desktop share/mime/packages/dpmr-cps.xml \
         share/icons/hicolor/16x16/apps/dpmr-cps.png share/icons/hicolor/48x48/apps/dpmr-cps.png \
         share/man/man1/dpmr-cps.1.gz share/man/man1/dpmr-cli.1.gz share/man/man1/dpmr-sim.1.gz \
         share/bash-completion/completions/dpmr-cli lib/udev/rules.d/60-dpmr-cps.rules \
         share/doc/dpmr-cps/copyright share/doc/dpmr-cps/changelog.gz; do
  [ -f "$prefix/$f" ] || { echo "FAIL: $f not installed"; fail=1; }
done
[ -d "$prefix/share/dpmr-cps" ] || { echo "FAIL: share/dpmr-cps not installed"; fail=1; }
version=$(sed -n 's/^project(dpmr-cps VERSION \([0-9.]*\).*/\1/p' "$SOURCE_DIR/CMakeLists.txt")
for p in dpmr-cps dpmr-cli dpmr-sim; do
  out=$("$prefix/bin/$p" --version 2>&1)
  [ "$(head -1 <<<"$out")" = "$p $version" ] || { echo "FAIL: $p --version printed '$out', want '$p $version'"; fail=1; }
  grep -q '^License GPL-3.0-or-later' <<<"$out" || { echo "FAIL: $p --version names no licence"; fail=1; }
done
if ! zcat "$prefix/share/man/man1/dpmr-cli.1.gz" | grep -q '^\.TH "DPMR-CLI" "1"'; then
  echo "FAIL: dpmr-cli.1.gz is no manual page"; fail=1
fi

# A template in the prefix's data folder makes new images (as the same
# template given with --app-dir does); the user's own folders (a fresh HOME)
# hold none.
export HOME=$tmp/home XDG_DATA_HOME= XDG_CONFIG_HOME=
mkdir -p "$HOME" "$tmp/appdir"
head -c 16384 /dev/zero | tr '\0' '\132' > "$prefix/share/dpmr-cps/Default.dat"
cp "$prefix/share/dpmr-cps/Default.dat" "$tmp/appdir/"
"$prefix/bin/dpmr-cli" new -o "$tmp/new.dat" || { echo "FAIL: installed dpmr-cli new"; fail=1; }
"$prefix/bin/dpmr-cli" new -o "$tmp/appdir.dat" --app-dir "$tmp/appdir" || { echo "FAIL: new --app-dir"; fail=1; }
cmp -s "$tmp/appdir.dat" "$tmp/new.dat" || { echo "FAIL: new did not start from share/dpmr-cps/Default.dat"; fail=1; }
# Without it, the built-in defaults (a file of the image size still).
rm "$prefix/share/dpmr-cps/Default.dat"
"$prefix/bin/dpmr-cli" new -o "$tmp/new2.dat" && [ "$(stat -c %s "$tmp/new2.dat")" = 16384 ] &&
  ! cmp -s "$tmp/new.dat" "$tmp/new2.dat" || { echo "FAIL: new without Default.dat"; fail=1; }
exit $fail
