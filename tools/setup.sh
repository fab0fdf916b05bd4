#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Quarvel Orbix, builds it, then either starts the
# game (play) or runs the whole test suite headless (test).
#   tools/setup.sh play    install what is missing, build in Release, start the game
#   tools/setup.sh test    install what is missing, build, run every test without a display
#                          (the golden console cases also under valgrind), then build again
#                          with clang under AddressSanitizer and UndefinedBehaviorSanitizer
#                          and run every logic and console test there, and each fuzz
#                          target for a few seconds; the web page too (WebAssembly under node,
#                          the page in headless Chromium)
#   tools/setup.sh web     install what is missing, build the web page and serve it on
#                          http://127.0.0.1:8080/ until stopped (PORT= picks another port)
#   tools/setup.sh web --out DIR    only build the site into DIR (index.html at its root)
set -euo pipefail

mode=${1:-}
case "$mode" in play|test|web) ;; *) echo "usage: $0 play|test|web [--out DIR]" >&2; exit 2 ;; esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/release"
sanitized="$root/build/sanitize"

# What building and playing need.
packages=(build-essential cmake pkg-config qt6-base-dev libgl-dev fonts-liberation2)
if [ "$mode" = web ]; then
  # The page: the logic compiled to WebAssembly by emscripten, its scripts bundled by
  # esbuild, its catalogues compiled by gettext, served by python3.
  packages=(build-essential cmake emscripten esbuild libxxhash-dev gettext python3)
else
  # The translations: gettext compiles them, Qt's own (the boxes' buttons) come translated,
  # and the Japanese and Chinese ones need a font with their characters.
  packages+=(gettext qt6-translations-l10n fonts-noto-cjk)
  # The checksum of the shortest solutions' tables.
  packages+=(libxxhash-dev)
fi
if [ "$mode" = test ]; then
  # The unit, widget and benchmark libraries; zlib writes the gzip files the page's reader
  # of its compressed tables is tested on.
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev)
  # Desktop tests: the real window under Xvfb (xdotool, imagemagick), a German locale, the
  # desktop entry and AppStream checks, and the Debian package: CPack reads the program's
  # shared library dependencies with file and dpkg-shlibdeps (dpkg-dev), lintian checks it.
  packages+=(xvfb xauth xdotool imagemagick locales appstream desktop-file-utils dpkg-dev file lintian)
  # Accessibility tests: a game played through the accessibility bus (python3-pyatspi,
  # at-spi2-core, a private session bus from dbus-x11's dependencies) on Xvfb and on weston's
  # headless Wayland back end with Qt's Wayland plug-in.
  packages+=(at-spi2-core dbus-x11 python3-pyatspi weston qt6-wayland)
  # The sanitised build, the fuzz targets (libFuzzer) and the memory checks.
  packages+=(clang libclang-rt-14-dev valgrind)
  # The check that every C++ file follows .clang-format.
  packages+=(clang-format)
  # The web page: emscripten and esbuild, and headless Chromium driven by selenium (axe-core
  # from npm).
  packages+=(emscripten esbuild chromium chromium-driver python3-selenium)
  command -v npm >/dev/null || packages+=(npm)
fi

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local tests=OFF
  [ "$mode" = test ] && tests=ON
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUARVEL_BUILD_TESTS=$tests >/dev/null
  cmake --build "$build" -j "$(nproc)"
}

install_missing

# The site: tools/build_web.sh's build, copied to --out DIR or served on 127.0.0.1.
if [ "$mode" = web ]; then
  web_build="$root/build/web"
  # The page's own shortest solutions' tables are made by the web build (once).
  "$root/tools/build_web.sh" "$web_build"
  site="$web_build/web/site"
  if [ "${2:-}" = --out ]; then
    [ -n "${3:-}" ] || { echo "usage: $0 web --out DIR" >&2; exit 2; }
    mkdir -p "$3"
    cp -r "$site/." "$3/"
    echo "The site is in $3: serve that folder from any static web server."
    exit 0
  fi
  exec python3 "$root/tools/serve_site.py" "$site" "${PORT:-8080}"
fi

build

# Locales for the tests of the program under a non-English locale (skipped without them).
make_test_locales() {
  [ "$(id -u)" -eq 0 ] || return 0
  locale -a 2>/dev/null | grep -qx 'de_DE.utf8' || localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
  locale -a 2>/dev/null | grep -qx 'de_DE.iso88591' || localedef -i de_DE -f ISO-8859-1 de_DE.ISO-8859-1 || true
}

# As root: the Debian package installed with apt (its dependencies resolved), started, removed.
check_system_install() {
  [ "$(id -u)" -eq 0 ] || return 0
  local out
  out=$(mktemp -d)
  chmod 755 "$out"  # readable by apt's download user
  (cd "$build" && cpack -G DEB -B "$out" >/dev/null)
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$out"/quarvel-orbix_*.deb >/dev/null
  local status=0
  "$root/tests/package/check_package.sh" --system || status=$?
  dpkg -r quarvel-orbix >/dev/null
  rm -rf "$out"
  return $status
}

if [ "$mode" = test ]; then
  make_test_locales
  check_system_install
  # axe-core for the browser tests, at the version the lock file names.
  mkdir -p "$build/web-tests"
  cp "$root/tests/web/package.json" "$root/tests/web/package-lock.json" "$build/web-tests/"
  (cd "$build/web-tests" && npm ci --no-audit --no-fund --loglevel=error)
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
  echo "== The logic and console tests and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer"
  # It maps the tables' files of the Release build rather than generating them under the sanitisers.
  cmake -S "$root" -B "$sanitized" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
        -DQUARVEL_BUILD_GUI=OFF -DQUARVEL_FUZZ=ON -DQUARVEL_FUZZ_SECONDS=5 \
        -DQUARVEL_SHORTEST_TABLES_FILE="$build/quarvel-shortest.tables" \
        -DQUARVEL_SMALL_TABLES_FILE="$build/quarvel-shortest-small.tables" >/dev/null
  cmake --build "$sanitized" -j "$(nproc)"
  cd "$sanitized"
  ctest --output-on-failure -j "$(nproc)"
  exit
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quarvel Orbix is built ($build/ui/qt/quarvel-orbix) but there is no display to show" >&2
  echo "its window on: neither DISPLAY nor WAYLAND_DISPLAY is set. Run this command again from" >&2
  echo "a desktop session." >&2
  exit 1
fi
data="${XDG_DATA_HOME:-$HOME/.local/share}/quarvel-orbix"
mkdir -p "$data"
[ -f "$data/quarvel.dat" ] || cp "$root/data/quarvel.dat" "$data/quarvel.dat"
cd "$data"
exec "$build/ui/qt/quarvel-orbix"
