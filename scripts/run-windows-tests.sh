#!/usr/bin/env bash
# Cross-builds the core libraries, cryptwright-build and the core tests for 64-bit Windows with
# mingw-w64 into build-win/ (or the folder given as $1), runs the core tests under Wine, headless,
# then builds the kit's demo level with the Windows cryptwright-build and checks that its map is
# byte for byte the one that the Linux build writes (from build/, or $CW_LINUX_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win}
linux_build=${CW_LINUX_BUILD:-build}
started=$SECONDS

# Installs what is missing, as scripts/setup.sh does.
packages=(g++-mingw-w64-x86-64-posix wine wine64 googletest cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if [ ! -f "$dir/build.ninja" ]; then
  # No debug information: the tests only run here, and it would double the compile time.
  cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64-posix.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$dir" -- -j"$(nproc)"
echo "windows: built in $((SECONDS - started)) s"

# Wine of its own under the build folder, with no display and no offer to install Mono or Gecko.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/$dir/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
  echo "windows: new Wine prefix in $((SECONDS - started)) s"
fi
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

report="$dir/core-tests.xml"
rm -f "$report"
status=0
"$wine" "$dir/tests/cw_core_tests.exe" --gtest_brief=1 "--gtest_output=xml:$report" || status=$?
if [ ! -f "$report" ]; then
  echo "windows: the core tests wrote no report (exit status $status)" >&2
  exit 1
fi
summary=$(grep -m1 -o '<testsuites tests="[0-9]*" failures="[0-9]*" disabled="[0-9]*" errors="[0-9]*"' "$report")
total=$(sed -E 's/.* tests="([0-9]+)".*/\1/' <<<"$summary")
failed=$(sed -E 's/.* failures="([0-9]+)".*/\1/' <<<"$summary")
skipped=$(grep -c '<skipped' "$report" || true)
echo "windows: core tests under Wine: $total tests, $((total - failed - skipped)) passed," \
  "$failed failed, $skipped skipped"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ] || exit 1

# The demo level, built in kit/ by both programs; the Windows one is given Windows paths.
linux_tool="$linux_build/tools/cryptwright-build"
if [ ! -x "$linux_tool" ]; then
  echo "windows: no Linux $linux_tool to compare with; run scripts/build.sh first" >&2
  exit 1
fi
mkdir -p "$dir/demo"
demo=$(realpath "$dir/demo")
# Under Wine the drive Z: is the Linux root: a path with a drive letter and backslashes.
windows_demo="Z:${demo//\//\\}\\Demo.map"
linux_tool=$(realpath "$linux_tool")
windows_tool=$(realpath "$dir/tools/cryptwright-build.exe")
(cd kit && "$linux_tool" works/Demo.pwl "$demo/Demo-linux.map")
(cd kit && "$wine" "$windows_tool" 'works\Demo.pwl' "$windows_demo")
if ! cmp "$dir/demo/Demo-linux.map" "$dir/demo/Demo.map"; then
  echo "windows: the demo map differs from the one the Linux build writes" >&2
  exit 1
fi
echo "windows: demo map identical to Linux's ($(stat -c %s "$dir/demo/Demo.map") bytes)"
echo "windows: step done in $((SECONDS - started)) s"
