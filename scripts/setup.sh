#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those that are missing) and
# configures and builds it. Sourced by run.sh and test.sh.
set -euo pipefail

FROSTEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FROSTEL_BUILD="${FROSTEL_BUILD:-$FROSTEL_ROOT/build}"

FROSTEL_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libxcb1-dev
  qcoro-qt6-dev libfluidsynth-dev libsdl2-dev timgm6mb-soundfont
  libgtest-dev libclang-rt-14-dev
  xvfb fonts-dejavu-core xdotool x11-apps x11-utils openbox
  dbus-daemon at-spi2-core python3-pyatspi
  qt6-wayland weston libweston-10-dev
  desktop-file-utils appstream groff-base dpkg-dev file
)

# Only bench/report.sh needs these: the benchmark library, jq for its figures,
# xvfb-run's xauth, and a sound server for the start-up benchmark, whose music
# must really play. The sound server runs on a socket of its own; installed with
# every build it would stand beside the desktop's own.
FROSTEL_BENCH_PACKAGES=(libbenchmark-dev jq xauth pulseaudio pulseaudio-utils)

# install_missing_packages [MORE PACKAGES...]: the game's packages and any more
# named, those that are missing.
install_missing_packages() {
  local missing=()
  for package in "${FROSTEL_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_frostel() {
  cmake -S "$FROSTEL_ROOT" -B "$FROSTEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$FROSTEL_BUILD" --parallel "$(nproc)"
}
