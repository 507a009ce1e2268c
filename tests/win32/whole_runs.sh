#!/usr/bin/env bash
# Whole runs under Wine from the zip a user unpacks, then Linux's openssl on
# the sets they leave: each verifies, names its site, has the dates asked for
# with a CA that lasts as long, and holds no key that is not its certificate's.
# Usage: whole_runs.sh <prefix> <test program> <zip>
set -euo pipefail
prefix=$1 program=$2 zip=$3
fail() { echo "${0##*/}: $*" >&2 && exit 1; }
[ -f "$zip" ] || fail "no $zip: scripts/package-windows.sh makes it, as the test command does"

# In the prefix's drive C:, whose root is the user's own, as the trust checks ask.
app=$prefix/drive_c/velmora-zip sets=$prefix/drive_c/velmora-sets
rm -rf "$app" "$sets"
mkdir -p "$app" "$sets/pasted"
(cd "$app" && cmake -E tar xf "$zip")
# The zip's one folder, velmora-<version>, is the application folder.
top=$(basename "$zip" -windows-x64.zip)
# A request made elsewhere, asking for more than it may get.
openssl req -new -newkey rsa:2048 -nodes -keyout "$sets/pasted.key" -subj "/CN=pasted" -out "$sets/pasted.csr" \
    -addext "subjectAltName=DNS:login.bank.example" -addext "basicConstraints=critical,CA:TRUE" 2>/dev/null

started=$SECONDS
VELMORA_EXE_FOLDER="C:\\velmora-zip\\$top" VELMORA_SETS_FOLDER='C:\velmora-sets' \
    "$(dirname "$0")/under_wine_x.sh" "$prefix" "$program"
echo "whole runs under Wine: $((SECONDS - started)) s"

pass=pass:velmora-test
# The date a certificate's field holds, as seconds since 1970.
date_of() { date -ud "$(openssl x509 -noout -"$2" -in "$1" | cut -d= -f2)" +%s; }
modulus_of() { openssl "$1" -noout -modulus -in "$2" ${3:+-passin "$3"}; }

client=$sets/client-only/client.example.test
openssl verify -x509_strict -CAfile "$client/client.crt" "$client/client.crt" >/dev/null || fail "client-only CA"
[ "$(modulus_of rsa "$client/client.key" "$pass")" = "$(modulus_of x509 "$client/client.crt")" ] ||
    fail "client.key is not client.crt's"

for set in automatic pasted; do
    out=$sets/$set/www.example.test
    openssl verify -x509_strict -purpose sslserver -CAfile "$out/client.crt" "$out/server.crt" >/dev/null ||
        fail "$set: server.crt does not verify against client.crt"
    san=$(openssl x509 -noout -ext subjectAltName -in "$out/server.crt" | tail -n 1 | tr -d ' ')
    [ "$san" = DNS:www.example.test ] || fail "$set: subjectAltName is $san"
    start=$(date_of "$out/server.crt" startdate) end=$(date_of "$out/server.crt" enddate)
    [ "$start" = "$(date -ud "$(date -u +%F)" +%s)" ] || fail "$set: the server certificate does not start today"
    [ "$end" = "$(date -ud "$(date -u -d '+1 year' +%F) 23:59:59" +%s)" ] ||
        fail "$set: the server certificate does not end a year on"
    (($(date_of "$out/client.crt" enddate) > end)) || fail "$set: the CA ends before the server certificate"
done
auto=$sets/automatic/www.example.test
[ "$(modulus_of rsa "$auto/server.key" "$pass")" = "$(modulus_of x509 "$auto/server.crt")" ] ||
    fail "automatic: server.key is not server.crt's"
pasted=$sets/pasted/www.example.test
[ "$(modulus_of req "$sets/pasted.csr")" = "$(modulus_of x509 "$pasted/server.crt")" ] ||
    fail "pasted: server.crt is not for the pasted request's key"
[ ! -e "$pasted/server.key" ] && [ ! -e "$pasted/privkey.pem" ] ||
    fail "pasted: a server key was exported, though it was never here"
echo "the three sets check out"
