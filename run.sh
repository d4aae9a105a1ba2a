#!/usr/bin/env bash
# Sets up everything that is missing, builds the game and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
install_missing_packages
build_frostel -DFROSTEL_BUILD_TESTS=OFF -DFROSTEL_BUILD_BENCHMARKS=OFF
exec "$FROSTEL_BUILD/frostel"
