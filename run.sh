#!/usr/bin/env bash
# Installs what is missing, builds and starts Vorn. Until the program has its
# window, this runs the circuit model on the example half adder and prints
# its truth table.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
exec "$root/build/src/cli/vorn-cli" table "$root/examples/half-adder.vfl" "$@"
