#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the suite (run as root).
# Packages already present are skipped, so a rerun costs a second.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-base-dev-tools
          libqt6opengl6-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
