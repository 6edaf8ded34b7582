#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (only the missing ones), then configures and builds in build/.
set -euo pipefail

VANTREL_PACKAGES=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libpulse-dev
  libminini-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  kdegames-card-data-kf5
  fonts-liberation2 fonts-dejavu-core
)

vantrel_install_packages() {
  local missing=()
  for p in "${VANTREL_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# With target names, builds only those (and what they depend on).
vantrel_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  local launcher=()
  # A compiler cache, when the machine has one, makes rebuilds after small edits quick.
  command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
}

# The sanitizer build in build-asan/: the core, its tools and their tests
# under ASan and UBSan, and the fuzz targets (clang's libFuzzer).
VANTREL_SANITIZER_PACKAGES=(clang libclang-rt-14-dev)

vantrel_sanitizer_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  vantrel_install_packages "${VANTREL_SANITIZER_PACKAGES[@]}"
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
  cmake --build "$root/build-asan" -j"$(nproc)"
}

