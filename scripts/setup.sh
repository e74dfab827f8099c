#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

# fonts-liberation2: fontconfig then answers Arial with the metric-compatible
# Liberation Sans, so captions have the widths they have on Windows.
# nlohmann-json3-dev: the JSON library the export and import of sequences use.
packages=(cmake make g++ libgtest-dev googletest g++-mingw-w64-x86-64 wine wine64 fonts-wine
          fonts-liberation2 xvfb xdotool x11-utils imagemagick python3 clang libclang-rt-14-dev
          nlohmann-json3-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
