#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the catalogues translations/dpmr-cps_<code>.ts up to date with the
# sources: new texts come in unfinished, texts no longer used are kept as
# vanished. Run it after adding or changing a text of the window, then
# translate the new entries (Qt Linguist, package linguist-qt6:
# /usr/lib/qt6/bin/linguist translations/dpmr-cps_de.ts)
# and commit the .ts files. The build compiles them; it never runs this.
#   translations/update.sh            all catalogues
#   translations/update.sh de fr      only these (a new code makes a new catalogue)
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || echo lupdate)}
codes=("$@")
if [ ${#codes[@]} -eq 0 ]; then
  for ts in translations/dpmr-cps_*.ts; do
    c=${ts#translations/dpmr-cps_}
    codes+=("${c%.ts}")
  done
fi
for code in "${codes[@]}"; do
  "$LUPDATE" -silent -locations relative -extensions cpp,h -I src -target-language "$code" \
    src/core src/port src/gui -ts "translations/dpmr-cps_$code.ts"
done
