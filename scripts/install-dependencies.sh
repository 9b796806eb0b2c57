#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is
# missing. Needs root to install; without root it lists what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config binutils
  clang-14 libclang-rt-14-dev clang-format-14
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libpango1.0-dev libsdl2-dev libx11-dev fonts-liberation2
  # printing: print queues, and the tests' reading of printed PDF files
  libcups2-dev poppler-utils
  xvfb xauth x11-apps
  # the desktop services: opening documents and web addresses
  xdg-utils
  # the real-window tests' desktop: a window manager, keyboard layouts,
  # X resources, and the tools that drive and inspect it
  openbox x11-xkb-utils x11-xserver-utils x11-utils xdotool wmctrl xclip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages (run as root to install them): ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
