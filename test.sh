#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
# The packaging tests check the desktop entries and the AppStream metadata.
vantrel_install_packages desktop-file-utils appstream
vantrel_build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
# The core, its tools and their tests again under ASan and UBSan (leaks
# checked), with every fuzz target over its seed corpus.
cd ..
vantrel_sanitizer_build
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
