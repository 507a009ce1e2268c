#!/usr/bin/env bash
# Whole runs under Wine as Windows users meet Velmora: installed from the MSI
# into Program Files, and unpacked from the zip into Downloads beside the
# user's own keys, with a profile folder whose name the ANSI code page (Big5)
# cannot spell. A configuration is planted where the tool's built-in folder
# points, and another is named by OPENSSL_CONF in Velmora's own environment,
# each loading a library that leaves a mark. Then Linux's openssl checks the
# sets: each verifies, for a server where it is one, names its site, and holds
# no key that is not its certificate's. The dates the signing script passes
# are the Windows job test's; what the tool makes of them, and a TLS client's
# view of such a set, are the end-to-end test's.
# Usage: whole_runs.sh <prefix> <test program> <msi> <zip> <marking library>
set -euo pipefail
prefix=$1 program=$2 msi=$(realpath "$3") zip=$(realpath "$4") marker=$5
fail() { echo "${0##*/}: $*" >&2 && exit 1; }
[ -f "$msi" ] && [ -f "$zip" ] || fail "no $msi or $zip: scripts/package-windows.sh makes them, as the test command does"
export WINEPREFIX=$prefix WINEDEBUG=-all
drive=$prefix/drive_c

# Installed per machine, as a Windows user installs it.
started=$SECONDS
# Wine's menu builder would put the shortcut into this machine's own menus.
WINEDLLOVERRIDES=winemenubuilder.exe=d DISPLAY= wine msiexec /i "$(winepath -w "$msi")" /qn
echo "the MSI installed in $((SECONDS - started)) s"
installed=$drive/Program\ Files/Velmora
[ -f "$installed/velmora.exe" ] || fail "the MSI put no velmora.exe in $installed"

# What another account plants: a configuration where the tool's built-in
# folder points, and one it names in the user's environment.
planted=$drive/planted
rm -rf "$planted" && mkdir -p "$planted"
cp "$marker" "$planted/leaves_a_mark.dll"
cat >"$planted/openssl.cnf" <<'CNF'
openssl_conf = planted
[planted]
providers = planted_providers
[planted_providers]
marker = marker
[marker]
module = C:/planted/leaves_a_mark.dll
activate = 1
CNF
built_in=$(DISPLAY= wine "$installed/openssl.exe" version -d | tr -d '\r' | sed -n 's/^OPENSSLDIR: "\(.*\)"$/\1/p')
case "$built_in" in C:/Program\ Files/*) ;; *) fail "openssl.exe's own folder is $built_in, not in Program Files" ;; esac
built_in=$drive/${built_in#C:/}
mkdir -p "$built_in" && cp "$planted/openssl.cnf" "$built_in/openssl.cnf"
# Not in vain: the tool, started as another program would start it, loads the library.
DISPLAY= wine "$installed/openssl.exe" version >/dev/null 2>&1 || true
[ -s "$planted/marks.txt" ] || fail "the planted configuration loads nothing: the test would prove nothing"
rm "$planted/marks.txt"
program_files_before=$(cd "$installed" && find . -type f -print0 | sort -z | xargs -0 sha256sum)

# The zip unpacked into Downloads, beside the user's own keys.
downloads=$drive/users/José/Downloads
rm -rf "$downloads" && mkdir -p "$downloads"
(cd "$downloads" && cmake -E tar xf "$zip")
unpacked=$downloads/$(basename "$zip" -windows-x64.zip)
for key in mykey.pem server.key ca.key; do echo "the user's own $key" >"$unpacked/$key"; done

# The profile folder, named as the user José's is.
local_data='C:\users\José\AppData\Local'
mkdir -p "$drive/users/José/AppData/Local"
LC_ALL=C.UTF-8 DISPLAY= wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
    /v 'Local AppData' /t REG_EXPAND_SZ /d "$local_data" /f >/dev/null

sets=$drive/velmora-sets
rm -rf "$sets" && mkdir -p "$sets/pasted"
# A request made elsewhere, asking for more than it may get.
openssl req -new -newkey rsa:2048 -nodes -keyout "$sets/pasted.key" -subj "/CN=pasted" -out "$sets/pasted.csr" \
    -addext "subjectAltName=DNS:login.bank.example" -addext "basicConstraints=critical,CA:TRUE" 2>/dev/null

# The runs start a server of their own, on the virtual display: one left
# from the steps above has none, and the window could not show.
wineserver -k || true
wineserver -w
started=$SECONDS
VELMORA_EXE='C:\Program Files\Velmora\velmora.exe' VELMORA_ZIP_EXE="C:\\users\\José\\Downloads\\${unpacked##*/}\\velmora.exe" \
    VELMORA_SETS_FOLDER='C:\velmora-sets' OPENSSL_CONF='C:\planted\openssl.cnf' OPENSSL_MODULES='C:\planted' \
    "$(dirname "$0")/under_wine_x.sh" "$prefix" "$program"
echo "whole runs under Wine: $((SECONDS - started)) s"

[ ! -e "$planted/marks.txt" ] || fail "a planted configuration was read: $(cat "$planted/marks.txt")"
[ "$(cd "$installed" && find . -type f -print0 | sort -z | xargs -0 sha256sum)" = "$program_files_before" ] ||
    fail "a run changed the program's folder"
for key in mykey.pem server.key ca.key; do
    [ "$(cat "$unpacked/$key")" = "the user's own $key" ] || fail "the user's $key beside the zip's velmora.exe changed"
done
[ -f "$drive/users/José/AppData/Local/Velmora/openssl.cnf" ] || fail "the working folder is not in José's profile"

pass=pass:velmora-test
modulus_of() { openssl "$1" -noout -modulus -in "$2" ${3:+-passin "$3"}; }

# The zip's client set, and the installed program's, moved aside.
for client in "$sets/client-only/client.example.test" "$sets"/client-only/client.example.test/earlier-*; do
    openssl verify -x509_strict -CAfile "$client/client.crt" "$client/client.crt" >/dev/null || fail "$client: the CA"
    [ "$(modulus_of rsa "$client/client.key" "$pass")" = "$(modulus_of x509 "$client/client.crt")" ] ||
        fail "$client: client.key is not client.crt's"
done

auto=$sets/ü\ automatic/www.example.test pasted=$sets/pasted/www.example.test
for out in "$auto" "$pasted"; do
    openssl verify -x509_strict -purpose sslserver -CAfile "$out/client.crt" "$out/server.crt" >/dev/null ||
        fail "$out: server.crt does not verify against client.crt"
    san=$(openssl x509 -noout -ext subjectAltName -in "$out/server.crt" | tail -n 1 | tr -d ' ')
    [ "$san" = DNS:www.example.test ] || fail "$out: subjectAltName is $san"
done
[ "$(modulus_of rsa "$auto/server.key" "$pass")" = "$(modulus_of x509 "$auto/server.crt")" ] ||
    fail "automatic: server.key is not server.crt's"
[ "$(modulus_of req "$sets/pasted.csr")" = "$(modulus_of x509 "$pasted/server.crt")" ] ||
    fail "pasted: server.crt is not for the pasted request's key"
[ ! -e "$pasted/server.key" ] && [ ! -e "$pasted/privkey.pem" ] ||
    fail "pasted: a server key was exported, though it was never here"

echo "the four sets check out"
