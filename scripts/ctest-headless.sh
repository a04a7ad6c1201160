#!/usr/bin/env bash
# Runs the tests of a build folder without a display: every test on Qt's offscreen platform but
# those of the label "gl" (the 3D view's, which draw with OpenGL), which run under Xvfb with
# Mesa's software renderer. Both runs happen; the result fails if either did.
set -uo pipefail
dir=${1:?usage: ctest-headless.sh BUILD_FOLDER}
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -LE gl || status=1
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -L gl || status=1
exit $status
