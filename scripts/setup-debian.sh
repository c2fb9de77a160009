#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing GUI-Kelmo need.
# Idempotent: packages already present are left alone, and nothing is fetched when all are there.
# Runs as root, or through sudo when started by another user.
set -euo pipefail

packages=(
  cmake g++ ninja-build ccache pkg-config
  qt6-base-dev libqcustomplot-dev libqcustomplot2.1-qt6
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  clang libclang-rt-14-dev
  xvfb xauth openbox xdotool x11-utils imagemagick
  locales fonts-dejavu-core fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locale test needs a German locale to prove that numbers ignore the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
