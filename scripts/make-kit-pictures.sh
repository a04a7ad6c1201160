#!/usr/bin/env bash
# Draws every block picture of the kits (kit-heretic2/ for Heretic II, kit/ for Quake, kit-quake2/
# for Quake 2) again from its template with cryptwright-picture, and the two fixed pictures
# Empty.bmp and Unknown.bmp. Run it after changing a template; the tests check that each picture
# is exactly what the tool draws.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja >/dev/null
fi
cmake --build "$dir" --target cryptwright-picture >/dev/null
tool="$PWD/$dir/tools/cryptwright-picture"
status=0
for kit in kit-heretic2 kit kit-quake2; do
  (
    cd "$kit"
    result=0
    for template in *.map; do
      "$tool" "$template" "${template%.map}.bmp" || result=1
    done
    "$tool" --empty Empty.bmp
    "$tool" --unknown Unknown.bmp
    exit $result
  ) || status=1
done
exit $status
