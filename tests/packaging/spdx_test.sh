#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines, so that a file
# copied out of the tree still says under which terms it may be used.
set -u
cd "$SOURCE_DIR"
missing=$(find src tests/core tests/gui tests/cli tests/fuzz tests/packaging bench cmake \
            -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.cmake' \) \
            ! -path 'tests/fuzz/corpus/*' ! -path 'tests/fuzz/crashes/*' -print |
          while read -r f; do head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"; done)
for f in CMakeLists.txt build.sh; do
  head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || missing+=$'\n'"$f"
done
if [ -n "${missing//$'\n'/}" ]; then
  echo "FAIL: no SPDX licence line in the first lines of:"
  echo "$missing"
  exit 1
fi
