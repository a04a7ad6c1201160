#!/usr/bin/env bash
# Draws every block picture of the kit again from its template with cryptwright-picture, and the
# two fixed pictures Empty.bmp and Unknown.bmp. Run it after changing a template; the tests check
# that each picture in kit/ is exactly what the tool draws.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja >/dev/null
fi
cmake --build "$dir" --target cryptwright-picture >/dev/null
tool="$PWD/$dir/tools/cryptwright-picture"
cd kit
status=0
for template in *.map; do
  "$tool" "$template" "${template%.map}.bmp" || status=1
done
"$tool" --empty Empty.bmp
"$tool" --unknown Unknown.bmp
exit $status
