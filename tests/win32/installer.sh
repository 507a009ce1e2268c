#!/usr/bin/env bash
# The installer as an administrator meets it, under Wine in a fresh prefix of
# its own: an install puts the shipped files into C:\Program Files\Velmora,
# with a Start-menu shortcut and an entry in the list of installed programs;
# a newer installer replaces the older one, and the older one then refuses to
# go back; removal leaves drive C: as it was, a user's working folder
# (%LOCALAPPDATA%\Velmora) and output folder included. The tool's own folders
# are checked by the build and the whole runs, the version blocks by the build.
# Usage: installer.sh <prefix> <version> <maker> <msi> <zip> <wxs> <icon>
set -euo pipefail
prefix=$(realpath -m "$1") version=$2 maker=$3 msi=$(realpath "$4") zip=$(realpath "$5") wxs=$(realpath "$6")
icon=$(realpath "$7")
fail() { echo "${0##*/}: $*" >&2 && exit 1; }
command -v wixl >/dev/null || fail "no wixl to build the newer installer: scripts/install-deps.sh test installs it"

work=$(mktemp -d)
# Wine links the user's Desktop and Documents to the home folder and puts
# shortcuts into the desktop's menus: a home of the test's own keeps all that
# here, and no menu entries are made.
mkdir "$work/home"
export HOME=$work/home WINEPREFIX=$prefix WINEDEBUG=-all DISPLAY='' WINEDLLOVERRIDES=winemenubuilder.exe=d
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
trap 'wineserver -k 2>/dev/null || true; rm -rf "$prefix" "$work"' EXIT
rm -rf "$prefix"
wineboot -i || fail "wineboot could not make the prefix $prefix"
timeout 60 wineserver -w || fail "Wine had not finished making the prefix 60 s after wineboot"
wineserver -p
drive_c=$prefix/drive_c app=$drive_c/Program\ Files/Velmora
msiexec() { wine msiexec "$1" "Z:${2//\//\\}" /qn; }
(cd "$work" && cmake -E tar xf "$zip")
shipped=$work/velmora-$version

# A user's own files where an installer must never reach.
mapfile -t folders < <(wine cmd /c 'echo %LOCALAPPDATA%& echo %USERPROFILE%' | tr -d '\r' |
    xargs -d '\n' wine winepath -u | tr -d '\r' | xargs -d '\n' readlink -f)
user_files=("${folders[0]}/Velmora/ca.db.serial" "${folders[1]}/Documents/www.example.test/client.crt")
for file in "${user_files[@]}"; do
    mkdir -p "$(dirname "$file")" && echo "the user's own ${file##*/}" >"$file"
done
# Drive C: but Windows' own folder, with sizes, through the links to the home folder.
snapshot() { (cd "$drive_c" && find -L . -path ./windows -prune -o -printf '%p %s\n' | LC_ALL=C sort); }
before=$(snapshot)

# The installed program: the shipped files, one shortcut (Wine puts it in the
# user's Start menu where Windows uses the one for all users), and one entry
# of the version, the maker and the icon.
check_installed() {
    local entry
    diff -r "$shipped" "$app" >&2 || fail "$app is not what the zip ships"
    [ "$(find "$drive_c" -name Velmora.lnk -path '*Start Menu/Programs*' | grep -c .)" = 1 ] ||
        fail "not one Velmora shortcut in the Start menu"
    entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r')
    [ "$(grep -c 'DisplayName    REG_SZ    Velmora$' <<<"$entry")" = 1 ] || fail "not one installed-programs entry"
    for value in "DisplayVersion    REG_SZ    $1" "Publisher    REG_SZ    $maker" \
        'DisplayIcon    REG_SZ    C:\Program Files\Velmora\velmora.exe,0'; do
        grep -qF "    $value" <<<"$entry" || fail "the entry lacks $value"
    done
}

started=$EPOCHREALTIME
msiexec /i "$msi" || fail "installing $msi failed with $?"
echo "install under Wine: $(awk -v s="$started" -v e="$EPOCHREALTIME" 'BEGIN { printf "%.2f", e - s }') s"
check_installed "$version"

# The same files as a later version replace this one; this one cannot go back.
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((patch + 1))
cp "$icon" "$work/velmora.ico"
(cd "$work" && wixl -a x64 -D Version="$newer" -D Maker="$maker" -D Files="velmora-$version" -D Icon=velmora.ico \
    -o newer.msi "$wxs")
msiexec /i "$work/newer.msi" || fail "installing $newer over $version failed with $?"
check_installed "$newer"
if msiexec /i "$msi"; then fail "$version installed over $newer"; fi
check_installed "$newer"

msiexec /x "$work/newer.msi" || fail "removing $newer failed with $?"
for file in "${user_files[@]}"; do
    [ "$(cat "$file")" = "the user's own ${file##*/}" ] || fail "the user's $file changed"
done
diff <(echo "$before") <(snapshot) >&2 || fail "drive C: is not as it was before the install (above: < before, > after)"
echo "installed, upgraded, refused a downgrade and removed; the user's files stayed"
