#!/usr/bin/env bash
# Replays a `solitaire-deal --play` script (press, move, release, dblclick
# and autoplay lines) into the running solitaire window with xdotool.
#
#   scripts/play_in_window.sh SCRIPT [ORIGIN_X ORIGIN_Y]
#
# Script coordinates are table coordinates; the origin is where the table's
# top-left lies on the screen (default: the window's position plus the menu
# bar, MENU_HEIGHT pixels, 19 unless set). DELAY is the pause after each
# event in seconds (0.15 unless set); the program handles no input while a
# card flies, so the events queue up meanwhile and keep their order.
# "set" lines have no counterpart in the window and are skipped, "autoplay"
# lines press F7 when the switch has to change.
set -euo pipefail
script="${1:?usage: play_in_window.sh SCRIPT [ORIGIN_X ORIGIN_Y]}"
delay="${DELAY:-0.15}"
if [ $# -ge 3 ]; then
  ox=$2 oy=$3
else
  win=$(xdotool search --onlyvisible --name '^Vantrel' | tail -1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  ox=$X oy=$((Y + ${MENU_HEIGHT:-19}))
fi
button() { [ "$1" = right ] && echo 3 || echo 1; }
autoplay=off
number=0
while read -r verb a b c || [ -n "${verb:-}" ]; do
  number=$((number + 1))
  case "${verb:-}" in
    ''|'#'*|set) continue ;;
    press) xdotool mousemove $((ox + b)) $((oy + c)) mousedown "$(button "$a")" ;;
    release) xdotool mousemove $((ox + b)) $((oy + c)) mouseup "$(button "$a")" ;;
    move) xdotool mousemove $((ox + a)) $((oy + b)) ;;
    dblclick) xdotool mousemove $((ox + a)) $((oy + b)) click --repeat 2 --delay 40 1 ;;
    autoplay) [ "$a" != "$autoplay" ] && xdotool key F7; autoplay=$a ;;
    *) echo "play_in_window.sh: $script:$number: unknown event '$verb'" >&2; exit 2 ;;
  esac
  sleep "$delay"
done < "$script"
