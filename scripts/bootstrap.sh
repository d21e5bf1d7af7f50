#!/usr/bin/env bash
# Installs what building and testing need on Debian (bookworm) when it is missing: the MinGW-w64 cross
# toolchains (posix threads), Wine, the GoogleTest sources, CMake and make, its build tool; and the packages
# named as arguments.
# Quiet and idempotent: does nothing when everything is already present. When the package manager cannot
# install something, its own message is shown and the script fails.
set -euo pipefail

# Packages are installed without their recommendations, so every tool used is named here.
packages=(
  make                          # CMake's generator
  cmake
  g++-mingw-w64-i686-posix      # the release
  g++-mingw-w64-x86-64-posix    # the test build
  binutils-mingw-w64-i686       # windres and objdump for the release and its checks
  binutils-mingw-w64-x86-64
  wine64                        # runs the test build, headless
  googletest                    # built from its sources with each test build
)
# A caller may name more packages it needs (scripts/run.sh: a virtual display when there is none).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "bootstrap: installing packages needs root or sudo; missing: ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# --error-on=any: a package source that cannot be read fails here, not later as a missing package.
if ! "${sudo_cmd[@]}" apt-get update -qq --error-on=any >/dev/null; then
  echo "bootstrap: apt-get update failed (see above)" >&2
  exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  echo "bootstrap: apt-get install ${missing[*]} failed (see above)" >&2
  exit 1
fi
