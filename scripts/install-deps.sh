#!/bin/sh
# Installs the Debian 12 packages that building, running and testing Fokuro need.
# Packages already present are not asked for again; pass --update to refresh the lists first.
set -eu

packages="
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb openbox xdotool xclip x11-utils xdg-utils libx11-dev libxdamage-dev time
  desktop-file-utils appstream dpkg-dev file jq
"

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "install-deps: run as root or install sudo" >&2
  exit 1
fi

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done

if [ "${1:-}" = "--update" ] || [ -n "$missing" ]; then
  $as_root apt-get update -qq
fi
if [ -n "$missing" ]; then
  echo "install-deps: installing$missing"
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
fi
