#!/usr/bin/env bash
# The installer as an administrator meets it, under Wine in a fresh prefix of
# its own: an install puts the shipped files into C:\Program Files\Velmora,
# with a Start-menu shortcut and an entry in the list of installed programs;
# the openssl.exe installed reads nothing from outside that folder; a newer
# installer replaces the older one, and the older one then refuses to go back;
# removal takes away what the installer put there and nothing else. A user's
# working folder (%LOCALAPPDATA%\Velmora) and output folder are there
# throughout and stay as they were.
# Usage: installer.sh <prefix> <version> <maker> <msi> <zip> <wxs> <icon> <windres>
set -euo pipefail
prefix=$1 version=$2 maker=$3 msi=$4 zip=$5 wxs=$6 icon=$7 windres=$8
fail() { echo "${0##*/}: $*" >&2 && exit 1; }
for made in "$msi" "$zip"; do
    [ -f "$made" ] || fail "no $made: scripts/package-windows.sh makes it, as the test command does"
done
# The work below happens in other folders.
prefix=$(realpath -m "$prefix") msi=$(realpath "$msi") zip=$(realpath "$zip") wxs=$(realpath "$wxs") icon=$(realpath "$icon")
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
started=$SECONDS
wineboot -i || fail "wineboot could not make the prefix $prefix"
timeout 60 wineserver -w || fail "Wine had not finished making the prefix 60 s after wineboot"
echo "fresh Wine prefix: $((SECONDS - started)) s"
# One server for the rest: each start of a program is then quick.
wineserver -p

drive_c=$prefix/drive_c
app=$drive_c/Program\ Files/Velmora
wine_path() { printf 'Z:%s' "${1//\//\\}"; }
msiexec() { wine msiexec "$1" "$(wine_path "$2")" /qn; }

# What the zip ships is what the installer must install: its one folder,
# unpacked here, is also the source of the newer installer.
(cd "$work" && cmake -E tar xf "$zip")
shipped=$work/velmora-$version
[ -d "$shipped" ] || fail "$zip holds no folder velmora-$version"

# A user's working folder and an output folder, with files of the same names
# as shipped ones.
mapfile -t folders < <(wine cmd /c 'echo %LOCALAPPDATA%& echo %APPDATA%& echo %ProgramData%& echo %USERPROFILE%' | tr -d '\r')
# (winepath names them through dosdevices.)
mapfile -t folders < <(wine winepath -u "${folders[@]}" | tr -d '\r' | xargs -d '\n' readlink -f)
local_app_data=${folders[0]} app_data=${folders[1]} program_data=${folders[2]} user_profile=${folders[3]}
for folder in "${folders[@]}"; do
    [[ $folder == "$drive_c"/* ]] || fail "$folder is not in the prefix's drive C:"
done
user_files=("$local_app_data/Velmora/openssl.cnf" "$local_app_data/Velmora/ca.db.serial"
    "$user_profile/Documents/www.example.test/client.crt")
for file in "${user_files[@]}"; do
    mkdir -p "$(dirname "$file")"
    echo "the user's own ${file##*/}" >"$file"
done
# Everything on drive C: but Windows' own folder, with sizes, through the
# links to the home folder: an install may add only its files and the
# shortcut, a removal must leave it as before.
snapshot() { (cd "$drive_c" && find -L . -path ./windows -prune -o -printf '%p %s\n' | LC_ALL=C sort); }
before=$(snapshot)

# Wine's Windows Installer puts ProgramMenuFolder in the user's Start menu
# even for a per-machine install (Windows uses the one for all users): either
# Programs folder counts, but one shortcut in all.
shortcuts() {
    find "$program_data/Microsoft/Windows/Start Menu/Programs" "$app_data/Microsoft/Windows/Start Menu/Programs" \
        -name Velmora.lnk 2>/dev/null || true
}

# The installed-programs entries as "key<TAB>value name<TAB>data" lines.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
        awk -F '    ' '/^HKEY_/ { key = $0; next } NF >= 4 { print key "\t" $2 "\t" $4 }'
}

# Checks the installed program: expects the given version's entry alone.
check_installed() {
    local expected=$1 list keys key product_code link texts changed
    list=$(entries)
    keys=$(awk -F '\t' '$2 == "DisplayName" && $3 == "Velmora" { print $1 }' <<<"$list")
    [ "$(wc -l <<<"$keys")" = 1 ] && [ -n "$keys" ] ||
        fail "after installing $expected: $(grep -c . <<<"$keys") installed-programs entries for Velmora:"$'\n'"$keys"
    key=$keys
    value_of() { awk -F '\t' -v key="$key" -v name="$1" '$1 == key && $2 == name { print $3 }' <<<"$list"; }
    [ "$(value_of DisplayVersion)" = "$expected" ] || fail "the entry shows version $(value_of DisplayVersion), not $expected"
    [ "$(value_of Publisher)" = "$maker" ] || fail "the entry shows publisher $(value_of Publisher), not $maker"
    [ "$(value_of DisplayIcon)" = 'C:\Program Files\Velmora\velmora.exe,0' ] ||
        fail "the entry's icon is $(value_of DisplayIcon)"
    # The product's own icon, kept for the entry and the shortcut.
    product_code=${key##*\\}
    cmp -s "$icon" "$drive_c/windows/Installer/$product_code/velmora.ico" ||
        fail "no icon of Velmora's kept for $product_code"

    [ "$(ls "$app")" = "$(ls "$shipped")" ] || fail "$app holds"$'\n'"$(ls "$app")"$'\n'"where the zip holds"$'\n'"$(ls "$shipped")"
    for file in "$shipped"/*; do
        cmp -s "$file" "$app/${file##*/}" || fail "the installed ${file##*/} differs from the one shipped in the zip"
    done

    link=$(shortcuts)
    [ "$(grep -c . <<<"$link")" = 1 ] || fail "not one Velmora shortcut in the Start menu's Programs:"$'\n'"$link"
    changed=$(LC_ALL=C comm -3 <(echo "$before") <(snapshot) | tr -d '\t' |
        grep -v -e '^\./Program Files/Velmora[/ ]' -e "^\.${link#"$drive_c"} " || true)
    [ -z "$changed" ] || fail "the install changed more than its folder and shortcut:"$'\n'"$changed"
    # The link's texts, in the system's code page and in UTF-16.
    texts=$(strings -a "$link" && strings -a -el "$link")
    grep -qF 'C:\Program Files\Velmora\velmora.exe' <<<"$texts" ||
        fail "the shortcut does not start C:\\Program Files\\Velmora\\velmora.exe"
    grep -qF "C:\\windows\\Installer\\$product_code\\velmora.ico" <<<"$texts" ||
        fail "the shortcut does not show Velmora's icon"
}

# Seconds since a start, to the millisecond.
since() { awk -v start="$1" -v now="$EPOCHREALTIME" 'BEGIN { printf "%.3f s", now - start }'; }
started=$EPOCHREALTIME
msiexec /i "$msi" || fail "installing $msi failed with $?"
echo "install under Wine: $(since "$started") ($(stat -c %s "$msi") bytes)"
check_installed "$version"

# What Explorer shows for each program, and the folders the tool reads from.
version_block() { "$windres" -J coff -O rc -i "$app/$1" | sed -n 's/^ *VALUE "\([A-Za-z]*\)", "\(.*\)"$/\1=\2/p'; }
tool=$(wine 'C:\Program Files\Velmora\openssl.exe' version | tr -d '\r')
for program in "velmora.exe $version" "openssl.exe $(cut -d' ' -f2 <<<"$tool")"; do
    read -r file product_version <<<"$program"
    block=$(version_block "$file")
    for value in "CompanyName=$maker" "ProductName=Velmora" "ProductVersion=$product_version"; do
        grep -qxF "$value" <<<"$block" || fail "$file's version block lacks $value:"$'\n'"$block"
    done
done
dirs=$(wine 'C:\Program Files\Velmora\openssl.exe' version -d -e -m | tr -d '\r')
[ "$(grep -cE '^(OPENSSLDIR|ENGINESDIR|MODULESDIR): "C:/Program Files/Velmora/[^"]*"$' <<<"$dirs")" = 3 ] &&
    ! grep -q /usr/local <<<"$dirs" || fail "openssl.exe reads from folders a user could make:"$'\n'"$dirs"

# The same files as a later version, from the same source: it replaces this one.
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((patch + 1))
cp "$icon" "$work/velmora.ico"
(cd "$work" && wixl -a x64 -D Version="$newer" -D Maker="$maker" -D Files="velmora-$version" -D Icon=velmora.ico \
    -o newer.msi "$wxs")
started=$EPOCHREALTIME
msiexec /i "$work/newer.msi" || fail "installing $newer over $version failed with $?"
echo "upgrade to $newer under Wine: $(since "$started")"
check_installed "$newer"
# The older installer refuses to go back and leaves the newer as it was.
if msiexec /i "$msi"; then
    fail "$version installed over $newer"
fi
check_installed "$newer"

started=$EPOCHREALTIME
msiexec /x "$work/newer.msi" || fail "removing $newer failed with $?"
echo "removal under Wine: $(since "$started")"
[ ! -e "$app" ] || fail "removal left $app:"$'\n'"$(ls -A "$app")"
[ -z "$(shortcuts)" ] || fail "removal left the shortcut $(shortcuts)"
left=$(entries | awk -F '\t' '$2 == "DisplayName" && $3 == "Velmora" { print $1 }')
[ -z "$left" ] || fail "removal left Velmora in the installed programs: $left"
for file in "${user_files[@]}"; do
    [ "$(cat "$file")" = "the user's own ${file##*/}" ] || fail "the user's $file changed"
done
diff <(echo "$before") <(snapshot) >&2 || fail "drive C: is not as it was before the install (above: < before, > after)"
echo "installed, upgraded, refused a downgrade and removed; the user's files stayed"
