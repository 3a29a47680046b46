#!/bin/sh
# Installs the Debian 12 packages that building and testing Lexiquarium need.
# Packages already present are left alone, so running it again does nothing.
set -eu

packages="g++ clang libclang-rt-14-dev clang-format clang-tidy cmake make python3 libgtest-dev
  libbenchmark-dev qt6-base-dev xdg-utils xvfb xauth xdotool xclip wordnet-base wamerican scowl
  mingw-w64 googletest wine wine64 fonts-wine fp-utils nsis p7zip-full librsvg2-bin imagemagick
  lintian appstream desktop-file-utils man-db
  codespell aspell aspell-en hunspell hunspell-en-us emscripten chromium hyperfine time libc-l10n"

# The web page's browser tests: playwright-core and axe-core from npm, as the
# lockfile pins them; playwright drives Debian's chromium and never downloads
# a browser of its own.
web_tests() {
  lock=tests/web/package-lock.json
  installed=tests/web/node_modules/.package-lock.json
  if [ ! -f "$installed" ] || [ "$lock" -nt "$installed" ]; then
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund
  fi
}
cd "$(dirname "$0")/.."

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -z "$missing" ]; then
  web_tests
  exit 0
fi

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
web_tests
