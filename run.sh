#!/usr/bin/env bash
# Installs what is missing, builds, and starts solitaire (or: ./run.sh iqtest).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
program="${1:-solitaire}"
case "$program" in
  solitaire|iqtest) ;;
  *) echo "usage: ./run.sh [iqtest]" >&2; exit 2 ;;
esac
vantrel_install_packages
# Only the program and its data; ./test.sh builds everything.
vantrel_build "$program"
if [ ! -x "build/$program" ]; then
  echo "$program is not built yet in this version of the repository." >&2
  exit 1
fi
exec "build/$program"
