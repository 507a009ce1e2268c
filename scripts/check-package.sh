#!/usr/bin/env bash
# Makes the packages (scripts/package.sh) and checks them as a user's machine
# would see them, installing nothing into this machine's system folders: the
# package's contents and metadata, its menu entry, lintian, the archive's
# contents, and the package's program, unpacked into a temporary root and
# started on a virtual display from a folder it cannot write, with a temporary
# data home. Usage: check-package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
scripts/package.sh "$build"
deb=$(echo "$build"/velmora_*.deb)
archive=$(echo "$build"/velmora-*.tar.gz)

fail() {
    echo "check-package: $*" >&2
    exit 1
}
# Each expected line must be one of the given lines.
expect_lines() {
    local what=$1 lines=$2 line
    shift 2
    for line in "$@"; do
        grep -qxF -- "$line" <<<"$lines" || fail "$what lacks: $line"
    done
}

# The paths (and link targets) of the package: dpkg-deb -c without the mode,
# owner, size and time columns.
paths=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
id=org.velmora.Velmora
icons=("./usr/share/icons/hicolor/scalable/apps/$id.svg")
for size in 16 22 24 32 48 64 128 256; do
    icons+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
expect_lines "the package" "$paths" \
    ./usr/lib/velmora/velmora ./usr/lib/velmora/openssl.cnf ./usr/lib/velmora/ca.db.index \
    ./usr/lib/velmora/ca.db.serial "./usr/lib/velmora/openssl -> ../../bin/openssl" \
    "./usr/bin/velmora -> ../lib/velmora/velmora" "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "${icons[@]}" \
    ./usr/share/man/man1/velmora.1.gz ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz

dpkg-deb -I "$deb"
[ "$(dpkg-deb -f "$deb" Package)" = velmora ] || fail "the package is not named velmora"
depends=$(dpkg-deb -f "$deb" Depends | sed 's/, /\n/g')
expect_lines "Depends" "$depends" openssl "xterm | konsole | gnome-terminal | xfce4-terminal" fonts-wqy-microhei
grep -q '^libqt6widgets6 ' <<<"$depends" || fail "Depends lacks the Qt libraries found by dpkg-shlibdeps"

expect_lines "the archive" "$(tar -tzf "$archive")" \
    velmora/velmora velmora/openssl velmora/openssl.cnf velmora/ca.db.index velmora/ca.db.serial

lintian --fail-on error,warning --info "$deb"
echo "check-package: lintian finds no errors and no warnings"

work=$(mktemp -d)
cleanup() {
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
# Both validators print nothing for files they find no fault in, not even a hint.
problems=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) && [ -z "$problems" ] \
    || fail "desktop-file-validate: $problems"
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli finds fault with the metainfo"
grep -qF "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$metainfo" || fail "the metainfo lacks this release"
# The command line answers without a display, before any window would need one.
velmora() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/velmora" "$@"; }
velmora --help | grep -q -- --version || fail "velmora --help does not list --version"
[ "$(velmora --version)" = "velmora $(dpkg-deb -f "$deb" Version)" ] || fail "velmora --version is not the package's"
if error=$(velmora --no-such-option 2>&1); then fail "velmora accepted an unknown option"; fi
[ -n "$error" ] && [ "$(wc -l <<<"$error")" -eq 1 ] || fail "the error for an unknown option is not one line: $error"
echo "check-package: velmora --help, --version and an unknown option answer without a display"

# The tool as the openssl package puts it where the package's link leads.
ln -s "$(command -v openssl)" "$root/usr/bin/openssl"
program=$root/usr/lib/velmora
shipped=$(ls -A "$program")
home=$work/home
mkdir "$home"

# The program folder must really be closed to whoever starts the program. An
# administrator writes everywhere, so as root (as in CI) the program runs as
# nobody; otherwise its folder loses its write permissions.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    chown nobody "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$root"
fi
"${as_user[@]}" env HOME="$home" XDG_DATA_HOME="$home/data" LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$1" & app=$!
        trap "kill $app 2>/dev/null || true" EXIT
        window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)
        [ -n "$window" ] || { echo "check-package: no window named Velmora appeared"; exit 1; }
        kill -0 $app
    ' _ "$root/usr/bin/velmora" || fail "the unpacked program did not show its window"

user=$home/data/velmora
[ "$(ls -A "$program")" = "$shipped" ] || fail "the program wrote into its own folder"
[ "$(readlink "$user/openssl.cnf")" = "$program/openssl.cnf" ] || fail "$user/openssl.cnf is not a link to the shipped one"
[ "$(readlink "$user/openssl")" = "$(readlink -f "$(command -v openssl)")" ] || fail "$user/openssl is not a link to the tool"
[ -f "$user/ca.db.index" ] && [ ! -s "$user/ca.db.index" ] || fail "$user/ca.db.index is not an empty database"
cmp -s "$user/ca.db.serial" resources/ca.db.serial || fail "$user/ca.db.serial is not the shipped one"
echo "check-package: the unpacked program showed its window and made $user:"
ls -l "$user"
