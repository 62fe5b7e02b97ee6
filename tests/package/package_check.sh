#!/usr/bin/env bash
# The Debian package as a player gets it: lists it, checks its fields, runs
# lintian, unpacks it into a scratch root, validates the desktop entry and
# the AppStream metainfo, checks that the manual page names every option
# of --help, and starts the unpacked game once under a private Xvfb with a
# scratch HOME, to see its files land in the per-user data folder and its
# windows carry the icon.
#
#   package_check.sh BUILD_DIR
#
# The package is BUILD_DIR/package/rx907_<version>_<arch>.deb (make package).
set -uo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
tag="package"
# shellcheck source=../window/route_lib.sh
source "$source_dir/tests/window/route_lib.sh"

for tool in dpkg-deb lintian desktop-file-validate appstreamcli Xvfb xdotool xprop xwd python3; do
  command -v "$tool" >/dev/null || { echo "$tag: FAIL: $tool is not installed (scripts/install-deps)" >&2; exit 1; }
done

version=$("$build/rx907" --version | sed -n 's/^RX-907 v//p')
appstream_id=$(sed -n 's/^set(RX_APPSTREAM_ID "\(.*\)")$/\1/p' "$source_dir/packaging/metainfo.cmake")
arch=$(dpkg --print-architecture)
deb="$build/package/rx907_${version}_${arch}.deb"
[ -n "$version" ] || { echo "$tag: FAIL: rx907 --version prints no version" >&2; exit 1; }
[ -f "$deb" ] || { echo "$tag: FAIL: no $deb (make package)" >&2; exit 1; }

work=$(mktemp -d)
pid=""
xvfb=""
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT

# ---------------------------------------------------------------- contents
note "$(basename "$deb"): files"
dpkg-deb -c "$deb" | awk '{print $1, $6}' | tee "$work/list.txt"
expected="./usr/games/rx907 ./usr/share/applications/rx907.desktop ./usr/share/metainfo/$appstream_id.metainfo.xml
./usr/share/man/man6/rx907.6.gz ./usr/share/doc/rx907/copyright ./usr/share/doc/rx907/changelog.gz"
for size in 16 32 48 64 128 256; do
  expected="$expected ./usr/share/icons/hicolor/${size}x${size}/apps/rx907.png"
done
for track in track0_0 track0_1 track1_0 track1_1; do
  expected="$expected ./usr/share/rx907/music/$track.ogg"
done
for path in $expected; do
  grep -q " $path\$" "$work/list.txt" || fail "the package lacks $path"
done
grep -q '^-rwxr-xr-x ./usr/games/rx907$' "$work/list.txt" || fail "usr/games/rx907 is not mode 0755"

# ---------------------------------------------------------------- fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = rx907 ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', --version says $version"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)', expected games"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
note "Depends: $depends"
# Computed by dpkg-shlibdeps from the binary: the libraries it links.
for lib in libsdl2 libsdl2-mixer libpng16 zlib1g libx11-6 libc6; do
  echo "$depends" | grep -q "\b$lib\b" || fail "Depends lacks $lib"
done

# ---------------------------------------------------------------- lintian
note "lintian:"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" 2>&1 | tee "$work/lintian.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors"
grep -q '^E:' "$work/lintian.txt" && fail "lintian reports errors"

# ---------------------------------------------------------------- unpacked
root="$work/root"
dpkg-deb -x "$deb" "$root" || { fail "dpkg-deb -x failed"; exit 1; }
game="$root/usr/games/rx907"
got=$("$game" --version)
[ "$got" = "RX-907 v$version" ] || fail "the unpacked game's --version says '$got'"

note "desktop-file-validate:"
desktop-file-validate "$root/usr/share/applications/rx907.desktop" || fail "desktop-file-validate"
note "appstreamcli validate-tree --pedantic:"
# The whole unpacked tree: the metainfo named for its ID, the desktop entry
# it launches, the icons.
appstreamcli validate-tree --pedantic --no-net "$root" || fail "appstreamcli validate-tree"
# With a homepage given, the metainfo also names it and lists a screenshot.
cmake -DRX_METAINFO_OUT="$work/web.metainfo.xml" -DRX_VERSION="$version" -DRX_HOMEPAGE=https://rx907.example \
  -P "$source_dir/packaging/metainfo.cmake"
grep -q '<screenshot type="default">' "$work/web.metainfo.xml" || fail "a homepage gives no screenshot"
appstreamcli validate --no-net "$work/web.metainfo.xml" >/dev/null || fail "appstreamcli validate, with a homepage"

# Icons: each file has the size its folder names.
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/rx907.png"
  dims=$(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print(*struct.unpack('>II', d[16:24]))" "$png")
  [ "$dims" = "$size $size" ] || fail "the ${size}x${size} icon is $dims"
done

# The manual page names every option --help lists.
zcat "$root/usr/share/man/man6/rx907.6.gz" | sed 's/\\-/-/g' >"$work/man.txt"
for option in $("$game" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "$option" "$work/man.txt" || fail "the manual page does not name $option"
done

# ---------------------------------------------------------------- first run
# A player's first start of the installed game, from some other folder.
home="$work/home"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$elsewhere"
start_xvfb 1280x1024
has_icon() {  # the window's _NET_WM_ICON holds every size, 16 to 256
  local sizes
  sizes=$(xprop -len 2000000 -id "$1" -notype 32c _NET_WM_ICON | python3 -c "
import sys
text = sys.stdin.read()
if '=' not in text: sys.exit(1)
v = [int(x) for x in text.split('=', 1)[1].replace(',', ' ').split()]
sizes = []
while len(v) >= 2 and v[0] * v[1] <= len(v) - 2:
    sizes.append(v[0]); v = v[2 + v[0] * v[1]:]
print(*sizes)")
  [ "$sizes" = "16 32 48 64 128 256" ] || { echo "icon sizes '$sizes'"; return 1; }
}
folder="$home/.local/share/rx907"

(cd "$elsewhere" && exec env -u XDG_DATA_HOME HOME="$home" "$game" --windowed --renderer=software) \
  >"$work/stdout.txt" 2>&1 &
pid=$!
startup=$(timeout 30 xdotool search --sync --name '^RX-907 - Startup Menu$' | head -1)
if [ -z "$startup" ]; then
  fail "no start-up window"
else
  [ -d "$folder" ] || fail "no $folder on the first start"
  has_icon "$startup" || fail "the start-up window has no _NET_WM_ICON"
  sleep 1
  xdotool mousemove --window "$startup" 240 137; sleep 0.5; xdotool click 1
  gamewin=$(timeout 30 xdotool search --sync --onlyvisible --name '^RX-907$' | tail -1)
  if [ -z "$gamewin" ]; then
    fail "the game window never opened"
  else
    has_icon "$gamewin" || fail "the game window has no _NET_WM_ICON"
    note "_NET_WM_ICON on both windows: $(xprop -id "$gamewin" _NET_WM_ICON | head -c 60)..."
    # The main menu after the frame-rate probe and the loading screen.
    for _ in $(seq 60); do
      xwd -id "$gamewin" -silent 2>/dev/null | python3 "$source_dir/tests/window/xwd_pixel.py" --lit-fraction |
        python3 -c "import sys; sys.exit(0 if float(sys.stdin.read()) > 0.15 else 1)" && break
      sleep 0.5
    done
    # NEW GAME, ONE PLAYER, Accept on SQUAD (writes opt.dat), Space to close
    # the first game's controls card (writes intro.dat), a screenshot, a
    # quicksave.
    press Return 1; press Return 1; press Return 2
    for _ in $(seq 50); do [ -e "$folder/intro.dat" ] && break; sleep 0.1; done
    press space 1
    press Print 1
    press F5 1
    for _ in $(seq 50); do [ -e "$folder/saves/quick.907" ] && break; sleep 0.1; done
  fi
fi
alive || fail "rx907 ended early: $(cat "$work/stdout.txt")"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""

note "files of the first run, in $folder:"
(cd "$home" && find . -mindepth 1 | sort)
for file in api.dat opt.dat intro.dat saves/quick.nam saves/quick.907; do
  [ -f "$folder/$file" ] || fail "no $file in $folder"
done
ls "$folder"/screenshots/rx907-*.png >/dev/null 2>&1 || fail "no screenshot in $folder/screenshots"
[ -z "$(ls -A "$elsewhere")" ] || fail "files landed in the folder the game was started from: $(ls -A "$elsewhere")"

finish_route
