#!/usr/bin/env bash
# Runs the tests of a build folder without a display: every test on Qt's offscreen platform but
# those of the label "gl" (the 3D view's, which draw with OpenGL), which run under Xvfb with
# Mesa's software renderer. Both runs happen; the result fails if either did.
set -uo pipefail
dir=${1:?usage: ctest-headless.sh BUILD_FOLDER}
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -LE gl || status=1
# Under the sanitizers, Mesa's driver leaves allocations behind when it is unloaded at exit, which
# the leak checker cannot trace to a caller; the OpenGL tests run without the leak check, every
# other check of the sanitizers stays on.
LIBGL_ALWAYS_SOFTWARE=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -L gl || status=1
exit $status
