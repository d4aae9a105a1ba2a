#!/usr/bin/env bash
# Sets up everything that is missing, builds the game and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
install_missing_packages
build_frostel -DFROSTEL_BUILD_TESTS=ON
cd "$FROSTEL_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
