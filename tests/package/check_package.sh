#!/usr/bin/env bash
# The installed game starts on a machine without a display.
#   check_package.sh BUILD-DIR    makes the Debian package with cpack, checks its contents and
#                                 dependencies, has lintian check it against Debian policy,
#                                 unpacks it into a scratch root and starts the launcher there
#   check_package.sh --system     starts the launcher installed in /usr/games (after dpkg -i)
# Each start runs on the offscreen platform with a scratch HOME and ends once the program
# has shown its main window (seen through QUARVEL_WINDOW_REPORT): it must run in the
# player's data folder, given quarvel.dat from the installed copy on the first start.
set -euo pipefail

scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts ROOT/usr/games/quarvel-orbix with HOME=$2 and the further environment given, waits
# for the main window and leaves the program's pid in $pid.
start() {
  local root=$1 home=$2; shift 2
  local report="$scratch/report.txt"
  rm -f "$report"
  env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen QUARVEL_WINDOW_REPORT="$report" "$@" \
    "$root/usr/games/quarvel-orbix" >"$scratch/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    grep -q "^window	Form1	1	" "$report" 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/program.log" >&2; fail "the program ended before showing its window"; }
    sleep 0.1
  done
  fail "no main window within 20 seconds"
}

stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

check_starts() {
  local root=$1 home="$scratch/home"
  mkdir -p "$home"
  local data="$home/.local/share/quarvel-orbix"

  # First start: the data folder is made and given quarvel.dat; the program runs there.
  start "$root" "$home"
  cmp "$root/usr/share/games/quarvel-orbix/quarvel.dat" "$data/quarvel.dat" || fail "quarvel.dat not copied to $data"
  [ "$(readlink "/proc/$pid/cwd")" = "$data" ] || fail "runs in $(readlink "/proc/$pid/cwd"), not $data"
  stop

  # XDG_DATA_HOME moves the folder; a quarvel.dat already there is kept.
  local xdg="$home/xdg"
  mkdir -p "$xdg/quarvel-orbix"
  cp "$root/usr/share/games/quarvel-orbix/quarvel.dat" "$xdg/quarvel-orbix/quarvel.dat"
  local inode
  inode=$(stat -c %i "$xdg/quarvel-orbix/quarvel.dat")
  start "$root" "$home" XDG_DATA_HOME="$xdg"
  [ "$(readlink "/proc/$pid/cwd")" = "$xdg/quarvel-orbix" ] || fail "XDG_DATA_HOME not followed"
  [ "$(stat -c %i "$xdg/quarvel-orbix/quarvel.dat")" = "$inode" ] || fail "an existing quarvel.dat was replaced"
  stop

  # The installed translations: the game speaks the locale's language.
  start "$root" "$home" LANG=fr_FR.UTF-8 LANGUAGE=fr
  grep -q "	Command2	.*	Nouvelle partie$" "$scratch/report.txt" || fail "the game does not speak French under LANGUAGE=fr"
  stop
  echo "the launcher in $root/usr/games starts the game in the data folder, in the locale's language"
}

if [ "${1:-}" = --system ]; then
  check_starts ""
  exit
fi

build=$(cd "${1:?build folder}" && pwd)
cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$scratch"/package/quarvel-orbix_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-liberation2 libxxhash0; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"
[[ "$(dpkg-deb -f "$deb" Recommends)" == *fonts-noto-cjk* ]] || fail "Recommends lacks the Japanese and Chinese font"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for file in usr/games/quarvel-orbix usr/libexec/quarvel-orbix/quarvel-orbix usr/share/games/quarvel-orbix/quarvel.dat \
            usr/share/applications/org.quarvel.orbix.desktop usr/share/metainfo/org.quarvel.orbix.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.quarvel.orbix.svg \
            usr/share/icons/hicolor/48x48/apps/org.quarvel.orbix.png \
            usr/share/icons/hicolor/256x256/apps/org.quarvel.orbix.png usr/share/man/man6/quarvel-orbix.6.gz \
            usr/share/doc/quarvel-orbix/README.md usr/share/doc/quarvel-orbix/copyright \
            usr/share/doc/quarvel-orbix/changelog.gz usr/share/doc/quarvel-orbix/docs/records.md \
            usr/share/doc/quarvel-orbix/docs/main-window.png \
            usr/games/quarvel-solve usr/share/man/man6/quarvel-solve.6.gz \
            usr/share/locale/de/LC_MESSAGES/quarvel-orbix.mo usr/share/locale/zh_CN/LC_MESSAGES/quarvel-orbix.mo \
            usr/share/games/quarvel-orbix/quarvel-shortest.tables; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/games/quarvel-orbix" ] || fail "the launcher is not executable"
# The installed README's links reach the installed docs pages.
"$(dirname "$0")/../../tools/check_doc_links.sh" "$root/usr/share/doc/quarvel-orbix" >"$scratch/links.log" ||
  { cat "$scratch/links.log"; fail "the installed README or docs pages have broken links"; }
zcat "$root/usr/share/man/man6/quarvel-orbix.6.gz" | grep -q '^\.SH KEYS' || fail "the man page has no KEYS section"
[ "$("$root/usr/games/quarvel-solve" --length '1 2 3 4 5 6 7 8 9 10 11 12 0 13 14 15' 2>"$scratch/solve.err")" = 3 ] ||
  fail "the installed quarvel-solve does not answer"
[ ! -s "$scratch/solve.err" ] || fail "the installed quarvel-solve did not use its tables: $(cat "$scratch/solve.err")"
# The changelog's newest entry is the package's version.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/quarvel-orbix/changelog.gz" | head -1 | grep -qF "quarvel-orbix ($version)" ||
  fail "the changelog has no entry for $version on top"

echo "package $(basename "$deb"): contents and dependencies as expected"

# Debian's own checker: no error and no warning (informational tags are not counted).
command -v lintian >/dev/null || fail "lintian is not installed (tools/setup.sh test installs it)"
status=0
report=$(lintian --fail-on error,warning "$deb" 2>"$scratch/lintian.err") || status=$?
echo "lintian $(basename "$deb"): ${report:-no error, no warning}"
[ "$status" -eq 0 ] || { cat "$scratch/lintian.err" >&2; fail "lintian reports errors or warnings (exit $status)"; }

check_starts "$root"
