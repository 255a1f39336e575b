#!/usr/bin/env bash
# Installs what is missing, builds and starts Vorn. Arguments are passed on
# to the program.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
exec "$root/build/src/app/vorn" "$@"
