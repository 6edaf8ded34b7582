#!/usr/bin/env bash
# Installs what is missing, builds, and starts solitaire (or: ./run.sh iqtest).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
vantrel_install_packages
vantrel_build
program="${1:-solitaire}"
case "$program" in
  solitaire|iqtest) ;;
  *) echo "usage: ./run.sh [iqtest]" >&2; exit 2 ;;
esac
if [ ! -x "build/$program" ]; then
  echo "$program is not built yet in this version of the repository." >&2
  exit 1
fi
exec "build/$program"
