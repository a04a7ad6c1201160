#!/usr/bin/env bash
# Draws the kits' textures again with cryptwright-textures, matched to the kit's own palette:
# kit/cryptwright.wad for Quake and kit-quake2/textures/*.wal for Quake 2, each kit with the
# palette beside it (cryptwright-palette.lmp). The tests check that the files in the kits are
# exactly what the tool writes. To match the textures to your game's palette instead, run the
# tool yourself with --palette (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja >/dev/null
fi
cmake --build "$dir" --target cryptwright-textures >/dev/null
tool="$PWD/$dir/tools/cryptwright-textures"
mkdir -p kit-quake2/textures
"$tool" --wad kit/cryptwright.wad --write-palette kit/cryptwright-palette.lmp
"$tool" --wal-folder kit-quake2/textures --write-palette kit-quake2/cryptwright-palette.lmp
