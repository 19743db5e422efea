#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Chordex needs.
# Idempotent: it asks apt only for what is missing, and updates the package lists only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-webengine-dev qt6-webengine-dev-tools
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libqscintilla2-qt6-dev
  tango-icon-theme
  libsqlite3-dev sqlite3
  xvfb xauth imagemagick
  librsvg2-bin desktop-file-utils appstream dpkg-dev file
  fonts-dejavu-core
  poppler-utils
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

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
