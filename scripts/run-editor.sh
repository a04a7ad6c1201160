#!/usr/bin/env bash
# Sets up the machine, builds Cryptwright and starts the editor in the bundled block kit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
editor="$PWD/build/src/cryptwright"
if [ ! -x "$editor" ]; then
  echo "The editor is not built yet."
  exit 0
fi
cd kit
exec "$editor"
