#!/usr/bin/env bash
# Start-up beside a lean peer: build/solitaire and the packaged freecell
# (aisleriot) in one interleaved run of ../shared/bench/startup.sh, then
# the ratios ours / peer of the medians. Run on demand; not part of CI.
#
#   bench/startup_vs_peer.sh [-n RUNS] [-k]     (default 5 runs each)
#     -k  keep the raw log (its path is printed)
#
# Our program runs as an installed copy (bin/ beside share/vantrel/) whose
# user folder is a new one per run (XDG_DATA_HOME named by the shell's own
# process number, which the program takes over by exec), so each start is a
# first start and no other process runs inside the timed command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=5 keep=
while getopts "n:k" o; do case $o in n) runs=$OPTARG;; k) keep=1;; *) sed -n '2,9p' "$0"; exit 2;; esac; done
bench=${STARTUP_BENCH:-$root/../shared/bench/startup.sh}
peer=${PEER_COMMAND:-/usr/games/sol --variation=freecell}
[ -x "$root/build/solitaire" ] || { echo "build/solitaire is missing: build it first" >&2; exit 1; }
[ -f "$bench" ] || { echo "startup.sh not found (set STARTUP_BENCH)" >&2; exit 1; }
command -v "${peer%% *}" >/dev/null || { echo "peer not installed: apt-get install aisleriot" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/startup-vs-peer.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder=$work/program
mkdir -p "$folder/bin" "$folder/share/vantrel" "$work/users"
cp "$root/build/solitaire" "$folder/bin/"
for data in GAMES.DAT QUIL.RGF Images SOUNDS; do
  if [ -e "$root/build/$data" ]; then ln -s "$root/build/$data" "$folder/share/vantrel/$data"; fi
done
log=$work/runs.log
XBENCH_SKIP_SPLASH=1 bash "$bench" -n "$runs" -l "$log" \
  "sh -c 'XDG_DATA_HOME=$work/users/\$\$ exec $folder/bin/solitaire'" "$peer" | tee "$work/summary.txt"

# Ratios of the medians: one summary block per command, ours first.
awk '
  /^== summary/ { n++ }
  / median / { lab = $0; sub(/ +median.*/, "", lab); v = $0; sub(/.* median +/, "", v); sub(/ .*/, "", v)
               if (!(lab in seen)) { seen[lab] = 1; order[++labels] = lab }
               m[n, lab] = v }
  END {
    if (n < 2) { print "no summary for both programs" > "/dev/stderr"; exit 1 }
    print "== ratio ours / peer (medians)"
    for (i = 1; i <= labels; i++) { lab = order[i]
      if (m[2, lab] > 0) printf "%-22s %6.2f   (%s / %s)\n", lab, m[1, lab] / m[2, lab], m[1, lab], m[2, lab] }
  }' "$work/summary.txt"
if [ -n "$keep" ]; then cp "$log" "${TMPDIR:-/tmp}/startup-vs-peer.log"; echo "raw runs: ${TMPDIR:-/tmp}/startup-vs-peer.log"; fi
