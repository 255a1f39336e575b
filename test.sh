#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
