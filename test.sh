#!/usr/bin/env bash
# Sets up everything that is missing, builds the game and runs every test: once
# in build/, then again in build-asan/ with the address and undefined-behaviour
# sanitizers, which turn memory errors, leaks and undefined behaviour into
# failures.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
install_missing_packages

# The tests that start the real program spend most of their time waiting for
# it, so twice as many tests as processors run at once; those start first.
jobs=$(($(nproc) * 2))

build_frostel -DFROSTEL_BUILD_TESTS=ON -DFROSTEL_BUILD_BENCHMARKS=OFF
(cd "$FROSTEL_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" "$@")

sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# The generators' own checks ran above; the optimiser and full debug
# information cost more compile time here than they save in the tests.
FROSTEL_BUILD="$FROSTEL_ROOT/build-asan" build_frostel -DFROSTEL_BUILD_TESTS=ON \
  -DFROSTEL_BUILD_TOOLS=OFF -DFROSTEL_BUILD_BENCHMARKS=OFF \
  "-DCMAKE_CXX_FLAGS=$sanitizers" "-DCMAKE_EXE_LINKER_FLAGS=$sanitizers" \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
cd "$FROSTEL_ROOT/build-asan"
# The D-Bus library that Qt's X11 platform loads keeps one buffer for the whole
# process on purpose, and the Wayland client library leaves the proxies of the
# compositor's globals to the process's end; every other leak fails the test
# that shows it.
printf '%s\n' 'leak:libdbus-1.so' 'leak:libwayland-client.so' >lsan.supp
ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS="suppressions=$PWD/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" "$@"
