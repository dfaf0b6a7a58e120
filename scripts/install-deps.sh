#!/usr/bin/env bash
# Installs every Debian package needed to build, test and run Gaugewright.
# Runs as root, through sudo when available, or prints the command to run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  # The .gwz archives (inventory, pictures and catalogue in one ZIP file).
  libzip-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  libgl-dev
  # The catalogues of the program's languages: lupdate and lrelease, and Qt's own.
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  xvfb xauth
  desktop-file-utils libxml2-utils appstream
  python3 poppler-utils
  lintian
  # Driving the program with the mouse under Xvfb, and its screenshots.
  xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: every package is installed"
  exit 0
fi

cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "install-deps: run as root:"
  echo "  apt-get update && ${cmd[*]}"
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" "${cmd[@]}"
