#!/usr/bin/env bash
# The layer check finds an upward include and a climbing one, and passes a tree that keeps the
# rule: a check that could not fail would prove nothing.
set -euo pipefail
check=${1:?usage: check_layers_test.sh CHECK_SCRIPT}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/document" "$tree/src/editor" "$tree/src/platform"
printf '#include "platform/text_lines.h"\n#include "document/records.h"\n' >"$tree/src/document/a.cpp"
printf '#include "document/records.h"\n#include <QImage>\n' >"$tree/src/editor/b.cpp"
bash "$check" "$tree/src" >/dev/null || { echo "a sound tree was refused"; exit 1; }

printf '#include "editor/editor.h"\n' >"$tree/src/document/c.cpp"
if output=$(bash "$check" "$tree/src"); then echo "an upward include passed"; exit 1; fi
grep -q 'document/c.cpp:1: document may not include editor/' <<<"$output" || {
  echo "unexpected report: $output"; exit 1; }
rm "$tree/src/document/c.cpp"

printf '#include "../editor/b.h"\n' >"$tree/src/platform/d.cpp"
if bash "$check" "$tree/src" >/dev/null; then echo "a climbing include passed"; exit 1; fi
echo "the layer check finds what it must"
