#!/usr/bin/env bash
# Installs every Debian package the program, the data-tree tool and the tests
# need, and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libsdl2-dev libsdl2-mixer-dev
  libfluidsynth-dev fluid-soundfont-gm
  espeak-ng
  fonts-freefont-ttf fonts-liberation
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format clang-tidy
  python3 xvfb xdotool libx11-6  # the real program driven on an X server of its own
  rsync  # scripts/mutants.sh: the scratch copy of the tree
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
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y -q "${missing[@]}"; then
  $sudo apt-get update -q
  $sudo apt-get install -y -q "${missing[@]}"
fi
