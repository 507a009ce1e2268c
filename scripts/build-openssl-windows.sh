#!/usr/bin/env bash
# Builds a Windows openssl.exe from Debian's OpenSSL source package with
# mingw-w64, to ship beside Velmora's Windows build, which drives it.
# Usage: build-openssl-windows.sh <build folder>
# The result is <build folder>/openssl-windows/openssl.exe with OpenSSL's
# licence as LICENSE.txt; it stays there as a cache that later runs reuse.
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
result=$build/openssl-windows
log=$build/openssl-windows.log

if [ -f "$result/openssl.exe" ] && [ -f "$result/LICENSE.txt" ]; then
    echo "reusing $result/openssl.exe"
    exit 0
fi

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
(
    cd "$source_dir"
    ./Configure mingw64 --cross-compile-prefix="$prefix" CC="$cc" no-shared no-tests
    make -j"$(nproc)" build_programs
) >>"$log" 2>&1 || die "building OpenSSL failed; see $log"
built=$((SECONDS - build_started))

mkdir "$work/openssl-windows"
"${prefix}strip" -o "$work/openssl-windows/openssl.exe" "$source_dir/apps/openssl.exe"
cp "$source_dir/LICENSE.txt" "$work/openssl-windows/LICENSE.txt"
foreign=$("${prefix}objdump" -p "$work/openssl-windows/openssl.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | grep -i '^lib' || true)
[ -z "$foreign" ] || die "openssl.exe would need DLLs that Windows lacks: $foreign"

rm -rf "$result"
mv "$work/openssl-windows" "$result"
echo "fetched the source in $fetched s, built in $built s"
echo "$result/openssl.exe: $(stat -c %s "$result/openssl.exe") bytes"
