#!/usr/bin/env bash
# The release, as a publisher makes it: tools/release.sh in two fresh clones of HEAD at different paths,
# the second with a throwaway self-signed certificate. Checks that the unsigned exe, installer and ZIP
# of both are byte for byte the same, that the manifests are valid and name the files by their hashes,
# and that the signed exe, uninstaller and installer carry this certificate's signature. About 9 minutes
# on two shared cores (two release builds, one after the other); tools/test.sh runs it last.
set -euo pipefail
cd "$(dirname "$0")/.."
koren=$PWD
# Debian's, with the schema and YAML packages that tools/install-deps.sh installs.
python=/usr/bin/python3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
verze=$(sed -n 's/^project(vypnuti VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
url=https://example.org/vypnuti/v$verze/

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$tmp/klic.pem" -out "$tmp/certifikat.pem" -days 1 \
  -subj "/CN=Zkusebni podpis" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$tmp/klic.pem" -in "$tmp/certifikat.pem" -out "$tmp/podpis.pfx" -passout pass:heslo

a=$tmp/a/vydani b=$tmp/jinde/druha/vydani
for d in "$a" "$b"; do git clone -q "$koren" "$d"; done
SECONDS=0
echo "== release in $a"
(cd "$a" && tools/release.sh --url "$url" >"$tmp/a.log" 2>&1) || { tail -20 "$tmp/a.log"; exit 1; }
echo "== signed release in $b"
(cd "$b" && VYPNUTI_PODPIS_PFX=$tmp/podpis.pfx VYPNUTI_PODPIS_HESLO=heslo tools/release.sh --url "$url" \
  >"$tmp/b.log" 2>&1) || { tail -20 "$tmp/b.log"; exit 1; }
echo "== two builds in ${SECONDS}s"

stav=0
for f in vypnuti.exe "vypnuti-$verze-x64-instalace.exe" "vypnuti-$verze-x64-prenosna.zip"; do
  if cmp -s "$a/build/release/$f" "$b/build/release/nepodepsane/$f"; then
    echo "same: $f $(sha256sum <"$a/build/release/$f" | cut -c1-64)"
  else
    echo "FAILED: $f differs between the two builds:"
    cmp -l "$a/build/release/$f" "$b/build/release/nepodepsane/$f" | head -5
    stav=1
  fi
done
grep -q "^== not signed" "$tmp/a.log" || { echo "FAILED: an unsigned release does not say so"; stav=1; }
"$python" tools/vydani_test.py manifesty "$a/build/release" || stav=1
"$python" tools/vydani_test.py manifesty "$b/build/release" || stav=1
"$python" tools/vydani_test.py podpis "$b/build/release" "$tmp/certifikat.pem" || stav=1
exit $stav
