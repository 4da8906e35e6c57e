#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (skipped when present).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-translations-l10n libgl-dev
  firebird-dev firebird3.0-server-core firebird3.0-utils firebird3.0-server
  libgtest-dev
  xvfb xauth poppler-utils fonts-liberation
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
