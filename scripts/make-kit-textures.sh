#!/usr/bin/env bash
# Draws the kits' textures again with cryptwright-textures, each kit's matched to the palette its
# game draws them with: kit-heretic2/textures/*.m8 to the kit's own, which each file carries,
# kit/cryptwright.wad to Quake's, kit-quake2/textures/*.wal to Quake 2's.
# Beside them it writes that palette, cryptwright-palette.lmp, and for the Quake 2 kit also
# pics/colormap.pcx, where id's qrad3 reads the palette. The tests check that the files in the
# kits are exactly what the tool writes.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja >/dev/null
fi
cmake --build "$dir" --target cryptwright-textures >/dev/null
tool="$PWD/$dir/tools/cryptwright-textures"
mkdir -p kit-heretic2/textures kit-quake2/textures kit-quake2/pics
"$tool" --m8-folder kit-heretic2/textures
"$tool" --wad kit/cryptwright.wad --write-palette kit/cryptwright-palette.lmp
"$tool" --wal-folder kit-quake2/textures --write-palette kit-quake2/cryptwright-palette.lmp \
  --write-palette kit-quake2/pics/colormap.pcx
