#!/usr/bin/env bash
# Builds a Windows openssl.exe from Debian's OpenSSL source package with
# mingw-w64, to ship beside Velmora's Windows build, which drives it.
# Usage: build-openssl-windows.sh <build folder>
# The result is <build folder>/openssl-windows/openssl.exe with OpenSSL's
# licence as LICENSE.txt; it stays there as a cache that later runs reuse
# while the recipe beside it (the Configure line and the version block) is
# the one this script would follow.
# The source comes through apt from deb-src twins of this machine's own apt
# sources, with a private apt state in the work folder so the system's stays
# untouched. Everything happens in a temporary folder inside the build folder
# and the result moves in only when complete.
set -euo pipefail

if (($# != 1)); then
    echo "usage: $0 <build folder>" >&2
    exit 2
fi
mkdir -p "$1"
build=$(cd "$1" && pwd)
source_root=$(cd "$(dirname "$0")/.." && pwd)
result=$build/openssl-windows
log=$build/openssl-windows.log

die() {
    echo "build-openssl-windows.sh: $*" >&2
    exit 1
}

# Debian's alternatives point the plain name at the posix or win32 variant;
# fall back to a variant when only that one is there.
prefix=x86_64-w64-mingw32-
cc=
for candidate in gcc gcc-posix gcc-win32; do
    if command -v "$prefix$candidate" >/dev/null; then
        cc=$candidate
        break
    fi
done
[ -n "$cc" ] || die "no mingw-w64 C compiler (${prefix}gcc) found; install g++-mingw-w64-x86-64-posix"

# The tool reads its configuration, engines and providers from folders built
# in. Left to OpenSSL they would be /usr/local/..., which Windows takes as
# \usr\local on the current drive, where any signed-in user may create the
# folder and plant a configuration or a module. Under C:\Program Files, where
# the installer puts Velmora, a standard user can create nothing. (The Unix
# build scripts take "C:/..." for a relative path, hence --openssldir and
# --libdir relative to the prefix.)
install_top="C:/Program Files/Velmora"
configure=(mingw64 --cross-compile-prefix="$prefix" CC="$cc" no-shared no-tests
    --prefix="$install_top" --openssldir=ssl --libdir=lib)
expected_dirs="ENGINESDIR: \"$install_top/lib/engines-3\"
MODULESDIR: \"$install_top/lib/ossl-modules\"
OPENSSLDIR: \"$install_top/ssl\""

# The version block Explorer shows for openssl.exe, from velmora.exe's template.
maker=$(sed -n 's/^set(VELMORA_MAKER "\(.*\)")$/\1/p' "$source_root/CMakeLists.txt")
[ -n "$maker" ] || die "no VELMORA_MAKER in $source_root/CMakeLists.txt"
template=$source_root/win32/versioninfo.rc.in
recipe="Configure ${configure[*]}
version block: $maker, $(sha256sum <"$template" | cut -d' ' -f1)"

# What Windows would read: the folders the tool names, none of them
# /usr/local, and our version block.
check() {
    local exe=$1 dirs usr_local resource
    dirs=$(strings -a "$exe" | { grep -E '^(OPENSSLDIR|ENGINESDIR|MODULESDIR): ' || true; } | LC_ALL=C sort)
    [ "$dirs" = "$expected_dirs" ] ||
        die "$exe names other folders than those under $install_top:"$'\n'"$dirs"
    usr_local=$(strings -a "$exe" | grep /usr/local || true)
    [ -z "$usr_local" ] || die "$exe names /usr/local:"$'\n'"$usr_local"
    resource=$("${prefix}windres" -J coff -O rc -i "$exe" 2>&1 || true)
    grep -qF "VALUE \"CompanyName\", \"$maker\"" <<<"$resource" &&
        grep -qF 'VALUE "ProductName", "Velmora"' <<<"$resource" ||
        die "$exe lacks Velmora's version block:"$'\n'"$resource"
}

if [ -f "$result/openssl.exe" ] && [ -f "$result/LICENSE.txt" ] && [ "$(cat "$result/recipe" 2>/dev/null)" = "$recipe" ]; then
    check "$result/openssl.exe"
    echo "reusing $result/openssl.exe"
    exit 0
fi

work=$(mktemp -d "$build/openssl-windows.tmp.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
: >"$log"
started=$SECONDS

# A private apt: the machine's deb entries turned into deb-src, and lists,
# caches and hooks of its own.
apt=$work/apt
mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
system_list='' system_parts=''
eval "$(apt-config shell system_list Dir::Etc::SourceList/f system_parts Dir::Etc::SourceParts/d)"
system_parts=${system_parts%/}
shopt -s nullglob
one_line_to_src() { sed -nE 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$1"; }
if [ -f "$system_list" ]; then
    one_line_to_src "$system_list" >"$apt/sources.list.d/00-sources.list"
fi
for file in "$system_parts"/*.list; do
    one_line_to_src "$file" >"$apt/sources.list.d/$(basename "$file")"
done
for file in "$system_parts"/*.sources; do
    awk '
        tolower($1) == "types:" { for (i = 2; i <= NF; i++) if ($i == "deb") { $0 = "Types: deb-src"; break } }
        { print }' "$file" >"$apt/sources.list.d/$(basename "$file")"
done
grep -rqiE '^(deb-src[[:space:]]|types:.*deb-src)' "$apt/sources.list.d" ||
    die "no OpenSSL source package to be had: found no deb entries in ${system_list:-sources.list} or ${system_parts:-sources.list.d} to turn into deb-src"
cat >"$apt/apt.conf" <<EOF
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt/sources.list.d";
Dir::State::Lists "$apt/lists";
Dir::Cache "$apt/cache";
Acquire::Languages "none";
#clear APT::Update::Pre-Invoke;
#clear APT::Update::Post-Invoke;
#clear APT::Update::Post-Invoke-Success;
EOF

# An index that fails for one repository (say a third-party one without
# deb-src) need not stop us: what counts is whether apt finds the source.
# Versions are tried newest first, as a mirror may lack some of a version's
# files.
echo "fetching Debian's OpenSSL source with apt (log: $log)"
update_note=
apt-get -c "$apt/apt.conf" -q update >>"$log" 2>&1 || update_note=" (apt-get update also reported errors)"
mapfile -t versions < <(apt-cache -c "$apt/apt.conf" showsrc --only-source openssl 2>>"$log" | sed -n 's/^Version: //p' | sort -urV)
((${#versions[@]} > 0)) ||
    die "no OpenSSL source package to be had: apt found none in deb-src entries made from this machine's apt sources$update_note; see $log"
mkdir "$work/src"
fetched_version=
for version in "${versions[@]}"; do
    if (cd "$work/src" && apt-get -c "$apt/apt.conf" -q source --download-only "openssl=$version") >>"$log" 2>&1; then
        fetched_version=$version
        break
    fi
    find "$work/src" -mindepth 1 -delete
done
[ -n "$fetched_version" ] ||
    die "no OpenSSL source package to be had: apt-get source failed for openssl ${versions[*]} from deb-src entries made from this machine's apt sources$update_note; see $log"
dsc=openssl_${fetched_version#*:}.dsc
(cd "$work/src" && dpkg-source -x "$dsc" openssl) >>"$log" 2>&1 ||
    die "could not unpack $dsc with dpkg-source; see $log"
source_dir=$work/src/openssl
fetched=$((SECONDS - started))

# Static libraries, so the exe needs no OpenSSL DLLs; mingw-w64 links its own
# runtime statically already. (-static is left out: OpenSSL's Configure turns
# threads off with it.) No tests, since only the command-line tool ships.
build_started=$SECONDS
echo "building OpenSSL $fetched_version for Windows with ${prefix}$cc on $(nproc) cores"
(cd "$source_dir" && ./Configure "${configure[@]}") >>"$log" 2>&1 || die "configuring OpenSSL failed; see $log"
# OpenSSL writes apps/openssl.rc only when it is missing or older than its
# generator: ours, written after Configure, takes its place. check() below
# finds out if it did not.
version_field() { sed -n "s/^$1=\"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$source_dir/VERSION.dat"; }
openssl_version=$(version_field MAJOR).$(version_field MINOR).$(version_field PATCH)
release_year=$(version_field RELEASE_DATE | grep -o '[0-9]\{4\}$')
[[ $openssl_version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ && -n $release_year ]] ||
    die "could not read the version and release year from $source_dir/VERSION.dat"
sed -e "s|@VI_NAME@|openssl|g" -e "s|@VI_DESCRIPTION@|OpenSSL command-line tool, as shipped with Velmora|g" \
    -e "s|@VI_COMPANY@|$maker|g" -e "s|@VI_COPYRIGHT@|Copyright 1998-$release_year The OpenSSL Authors. All rights reserved.|g" \
    -e "s|@VI_FILE_VERSION@|$openssl_version|g" -e "s|@VI_PRODUCT_VERSION@|$openssl_version|g" \
    -e "s|@VI_FILE_VERSION_COMMAS@|${openssl_version//./,},0|g" \
    -e "s|@VI_PRODUCT_VERSION_COMMAS@|${openssl_version//./,},0|g" "$template" >"$source_dir/apps/openssl.rc"
(cd "$source_dir" && make -j"$(nproc)" build_programs) >>"$log" 2>&1 || die "building OpenSSL failed; see $log"
built=$((SECONDS - build_started))

mkdir "$work/openssl-windows"
"${prefix}strip" -o "$work/openssl-windows/openssl.exe" "$source_dir/apps/openssl.exe"
cp "$source_dir/LICENSE.txt" "$work/openssl-windows/LICENSE.txt"
check "$work/openssl-windows/openssl.exe"
printf '%s\n' "$recipe" >"$work/openssl-windows/recipe"
foreign=$("${prefix}objdump" -p "$work/openssl-windows/openssl.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | grep -i '^lib' || true)
[ -z "$foreign" ] || die "openssl.exe would need DLLs that Windows lacks: $foreign"

rm -rf "$result"
mv "$work/openssl-windows" "$result"
echo "fetched the source in $fetched s, built in $built s"
echo "$result/openssl.exe: $(stat -c %s "$result/openssl.exe") bytes"
