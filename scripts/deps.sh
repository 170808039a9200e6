#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need,
# only those that are missing.
set -euo pipefail
PKGS=(cmake ninja-build g++ pkg-config ccache
      qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n libgl-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation fontconfig
      xvfb xdotool x11-utils imagemagick)
if [ "${TAMB_WITH_FUZZ:-0}" = 1 ]; then PKGS+=(clang libclang-rt-14-dev); fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
