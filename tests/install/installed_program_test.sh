#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the prefix read-only and
# starts the installed program on the offscreen platform: it must read its
# data from the prefix, write its preferences to the user's data folder only,
# and close in order on SIGTERM.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/solitaire bin/iqtest share/vantrel/GAMES.DAT share/vantrel/QUIL.RGF share/vantrel/pallmore.html \
         share/vantrel/Images share/vantrel/SOUNDS share/applications/org.vantrel.Vantrel.desktop \
         share/applications/org.vantrel.IqTest.desktop share/metainfo/org.vantrel.Vantrel.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.vantrel.Vantrel.svg \
         share/icons/hicolor/48x48/apps/org.vantrel.Vantrel.png share/icons/hicolor/256x256/apps/org.vantrel.IqTest.png; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# A file of an earlier release in the prefix: start-up must not touch it.
touch "$prefix/share/vantrel/QUILV0370.DAT"
chmod -R a-w "$prefix"
before="$(cd "$prefix" && find . | sort)"

export HOME="$work/home" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$prefix/bin/solitaire" >"$work/out.log" 2>&1 &
pid=$!
# The preference loader writes the default players as it starts.
for _ in $(seq 100); do
  [ -s "$XDG_DATA_HOME/vantrel/DATA/CFG.DAT" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/out.log" >&2; fail "the installed program ended at start-up"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/out.log" >&2; fail "exit status $status after SIGTERM"; }

cfg="$XDG_DATA_HOME/vantrel/DATA/CFG.DAT"
[ -f "$cfg" ] || fail "no preference file in the user's data folder"
grep -q '^UserDefault=Player 1' "$cfg" || fail "the default players were not written"
grep -q '^MainWindowState_Maximized=' "$cfg" || fail "the placement was not saved on close"
[ -f "$XDG_DATA_HOME/vantrel/QUILV0380.DAT" ] || fail "no version marker in the user's data folder"
after="$(cd "$prefix" && find . | sort)"
[ "$before" = "$after" ] || fail "the installed folder changed"
echo "installed program: data from the prefix, preferences in $XDG_DATA_HOME/vantrel"
