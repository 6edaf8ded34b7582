#!/usr/bin/env bash
# scripts/fuzz.sh TARGET [SECONDS]: runs one fuzz target of build-asan/ for
# SECONDS (default 3600) over its seed corpus. New inputs go to
# build-asan/fuzz-corpus/TARGET (the seeds in fuzz/corpus stay as they are);
# a finding is written to build-asan/fuzz-findings/ and ends the run with a
# non-zero status. TARGET is one of: games_file game_source state_record
# preferences play.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}"
seconds="${2:-3600}"
source scripts/common.sh
vantrel_sanitizer_build >/dev/null
work="build-asan/fuzz-corpus/$target"
findings="build-asan/fuzz-findings"
mkdir -p "$work" "$findings"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
  nice "build-asan/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$findings/${target}-" "$work" "fuzz/corpus/$target"
