#!/usr/bin/env bash
# Sets up the machine, builds Cryptwright and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
bash scripts/ctest-headless.sh build
