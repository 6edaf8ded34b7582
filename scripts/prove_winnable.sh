#!/usr/bin/env bash
# For every game of GAMES.DAT: solves its winnable_deal and replays the line
# through solitaire-deal --play, which must end with "endgame won".
#   scripts/prove_winnable.sh            check the recorded deals
#   scripts/prove_winnable.sh --find N   search N deals of each game without one
#   scripts/prove_winnable.sh --find N --record   and write the deal found into its source
# The deals searched are multiples of 1234567890123 modulo 10^13, so that all
# thirteen digits vary: deals whose numbers differ in the last digits only
# share most of their cards. GAMES="12 53" limits the run to those games.
# SECONDS_PER_DEAL (default 10) bounds each search, with a state limit of
# 200000 a second; a deal whose search took 9 s or more is recorded with
# winnable_seconds = twice that in its source, and is proved with that much.
# Long-running; not part of ./test.sh.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
seconds=${SECONDS_PER_DEAL:-10}
layout="width=1903,height=1080,top=40,bottom=1020,screen=1920x1080,winh=1080,shadow=9,card=B"
find=0
record=0
[ "${1:-}" = "--find" ] && find=${2:-20}
[ "${3:-}" = "--record" ] && record=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for source in assets/games/*.game; do
  number=$(sed -n 's/^number *= *\([0-9]*\).*/\1/p' "$source" | head -1)
  if [ -n "${GAMES:-}" ] && [[ " $GAMES " != *" $number "* ]]; then continue; fi
  recorded=$(sed -n 's/^winnable_deal *= *\([0-9]*\).*/\1/p' "$source" | head -1)
  deals=$recorded
  needs=$(sed -n 's/^winnable_seconds *= *\([0-9]*\).*/\1/p' "$source" | head -1)
  budget=$seconds
  [ -n "$recorded" ] && [ -n "$needs" ] && [ "$needs" -gt "$budget" ] && budget=$needs
  states=$(( budget * 200000 > 40000000 ? 40000000 : budget * 200000 ))
  if [ -z "$recorded" ]; then
    [ "$find" -gt 0 ] || { echo "game $number: no winnable_deal"; failed=1; continue; }
    deals=$(for i in $(seq 1 "$find"); do printf '%013d\n' $(( i * 1234567890123 % 10000000000000 )); done)
  fi
  proved=""
  for deal in $deals; do
    result=$("$build/solitaire-solve" --games "$build/GAMES.DAT" --game "$number" --deal "$deal" --layout "$layout" \
             --seconds "$budget" --limit "$states" --script "$work/line")
    # Not grep -q: quitting early would break the driver's pipe, and pipefail count the replay failed.
    if [[ $result == won* ]] &&
       "$build/solitaire-deal" --games "$build/GAMES.DAT" --game "$number" --deal "$deal" --layout "$layout" \
         --play "$work/line" | grep '^endgame won$' >/dev/null; then
      proved=$deal
      break
    fi
    [ -n "$recorded" ] && echo "game $number deal $deal: $result"
  done
  if [ -n "$proved" ]; then
    echo "game $number: deal $proved won and replayed ($result)"
    if [ "$record" = 1 ] && [ -z "$recorded" ]; then
      took=$(sed -n 's/.*seconds=\([0-9]*\).*/\1/p' <<<"$result")
      block=$'# A deal the solver wins and scripts/prove_winnable.sh replays.\nwinnable_deal = '"$proved"
      [ "$took" -ge 9 ] && block+=$'\nwinnable_seconds = '"$(( took * 2 ))"
      # Above the rules block: whatever follows [rules] is help text.
      BLOCK=$block awk '/^\[rules\]/ && !done { print ENVIRON["BLOCK"] "\n"; done = 1 } { print }
                        END { if (!done) print "\n" ENVIRON["BLOCK"] }' "$source" > "$work/source" &&
        cat "$work/source" > "$source"
    fi
  else
    echo "game $number: no deal proved ($result)"
    failed=1
  fi
done
exit $failed
