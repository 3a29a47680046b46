#!/bin/sh
# Installs the Debian 12 packages that building and testing Lexiquarium need.
# Packages already present are left alone, so running it again does nothing.
set -eu

packages="g++ clang libclang-rt-14-dev clang-format clang-tidy cmake make python3 libgtest-dev
  libbenchmark-dev qt6-base-dev xdg-utils xvfb xauth xdotool xclip wordnet-base wamerican
  mingw-w64 googletest wine wine64 fonts-wine fp-utils nsis
  lintian appstream desktop-file-utils man-db
  codespell aspell aspell-en hunspell hunspell-en-us"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "install-deps: run as root to install:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
