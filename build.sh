#!/usr/bin/env bash
# Build, test and run dpmr-cps.
#   ./build.sh run [ARGS]   install what the build needs, build, start dpmr-cps
#   ./build.sh test         install what the build needs, build, run all tests
#   ./build.sh build        only build
#   ./build.sh package      build the Debian package into build/package/
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
          qt6-serialport-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          ccache xvfb xauth fonts-dejavu-core scdoc libqt6svg6)
# what `./build.sh package` needs on top: CPack's DEB generator finds the
# package's dependencies with dpkg-shlibdeps
PACKAGE_TOOLS=(dpkg-dev file fakeroot)

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

configure_and_build() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

cmd=${1:-run}
[ $# -gt 0 ] && shift
case "$cmd" in
  run)
    install_packages
    configure_and_build
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
  package)
    install_packages "${PACKAGE_TOOLS[@]}"
    configure_and_build
    rm -rf "$BUILD_DIR/package"
    (cd "$BUILD_DIR" && cpack -G DEB)
    ls "$BUILD_DIR"/package/*.deb
    ;;
  *)
    echo "usage: ./build.sh run [ARGS] | test | build | package" >&2
    exit 2
    ;;
esac
