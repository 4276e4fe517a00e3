#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Build, test and run dpmr-cps.
#   ./build.sh run [ARGS]   install what the build needs, build the three
#                           programs (no tests), start dpmr-cps
#   ./build.sh test         install what the build needs, build, run all tests
#   ./build.sh build        only build
#   ./build.sh package      build the Debian package into build/package/
#   ./build.sh sanitize     build in build-sanitize/ with AddressSanitizer and
#                           UndefinedBehaviorSanitizer, run all tests
#   ./build.sh tsan         build in build-tsan/ with ThreadSanitizer, run the link tests
#   ./build.sh fuzz [SECS]  build the fuzz targets with clang in build-fuzz/, run
#                           each for SECS seconds (default 30)
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
          qt6-serialport-dev libqt6svg6 libgl1-mesa-dev libgtest-dev libgmock-dev
          ccache xvfb xauth fonts-dejavu-core fonts-wqy-microhei libyaml-cpp-dev scdoc python3-yaml
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# what `./build.sh package` needs on top: CPack's DEB generator finds the
# package's dependencies with dpkg-shlibdeps
PACKAGE_TOOLS=(dpkg-dev file fakeroot)
# what `./build.sh fuzz` needs: clang and its libFuzzer runtime
FUZZ_TOOLS=(clang libclang-rt-14-dev)

install_packages() {
  command -v dpkg-query >/dev/null 2>&1 || return 0
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing build packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "error: missing packages ${missing[*]}; run as root or install them" >&2; exit 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {  # [CMAKE OPTIONS...]; BUILD_TARGETS: only these
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  local targets=()
  [ -n "${BUILD_TARGETS:-}" ] && targets=(--target $BUILD_TARGETS)
  cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}"
}

# A sanitizer report fails the program that meets it, and so its test.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ROOT/tests/sanitize/lsan.supp:print_suppressions=0}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}

cmd=${1:-run}
[ $# -gt 0 ] && shift
case "$cmd" in
  run)
    install_packages
    BUILD_TARGETS="dpmr-cps dpmr-cli dpmr-sim" configure_and_build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
      echo "No display found (DISPLAY is not set)." >&2
      echo "Start the program under a virtual display instead:" >&2
      echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $BUILD_DIR/dpmr-cps $*" >&2
      exit 1
    fi
    exec "$BUILD_DIR/dpmr-cps" "$@"
    ;;
  test)
    install_packages
    configure_and_build
    cd "$BUILD_DIR"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@"
    ;;
  build)
    install_packages
    configure_and_build
    ;;
  sanitize)
    install_packages
    BUILD_DIR=${SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}
    configure_and_build -DDPMR_SANITIZE=address -DDPMR_BUILD_BENCH=OFF
    cd "$BUILD_DIR"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600 "$@"
    ;;
  tsan)
    # the threads of the link (transfer worker, simulated radio on a
    # pseudo-terminal) without Qt, whose own threads are not instrumented
    install_packages
    BUILD_DIR=${TSAN_BUILD_DIR:-$ROOT/build-tsan}
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
      cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDPMR_SANITIZE=thread -DDPMR_BUILD_BENCH=OFF
    fi
    cmake --build "$BUILD_DIR" -j "$(nproc)" --target test_core_link
    cd "$BUILD_DIR"
    # without address randomisation: some kernels spread it wider than
    # this ThreadSanitizer's memory layout allows
    setarch "$(uname -m)" -R ctest --output-on-failure -j "$(nproc)" --timeout 600 -R '^core\.link\.'
    ;;
  fuzz)
    install_packages "${FUZZ_TOOLS[@]}"
    BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
      CXX=clang++ cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDPMR_FUZZ=ON -DDPMR_BUILD_TESTS=OFF -DDPMR_BUILD_BENCH=OFF
    fi
    cmake --build "$BUILD_DIR" -j "$(nproc)" --target fuzz_targets
    "$ROOT/tests/fuzz/run_fuzz.sh" "$BUILD_DIR" "${1:-30}"
    ;;
  package)
    install_packages "${PACKAGE_TOOLS[@]}"
    configure_and_build
    rm -rf "$BUILD_DIR/package"
    (cd "$BUILD_DIR" && cpack -G DEB)
    ls "$BUILD_DIR"/package/*.deb
    ;;
  *)
    echo "usage: ./build.sh run [ARGS] | test | build | package | sanitize | tsan | fuzz [SECS]" >&2
    exit 2
    ;;
esac
