#!/usr/bin/env bash
# The release, as a publisher makes it: tools/release.sh in two fresh clones of HEAD at different paths,
# the second with a throwaway self-signed certificate and a download folder named by the version
# without its trailing .0. Checks that the unsigned installer and ZIP of both are byte for byte the same,
# that each SHA256SUMS holds for the files beside it, that the manifests are valid and name the files by
# their hashes, that the signed exe, uninstaller and installer carry this certificate's signature, and
# that the script refuses what cannot make a release. About 9 minutes on two shared cores (two release
# builds, one after the other); tools/test.sh runs it last.
set -euo pipefail
cd "$(dirname "$0")/.."
# A publisher's own certificate, time-stamp server or commit time must not reach the test's builds.
unset VYPNUTI_PODPIS_PFX VYPNUTI_PODPIS_HESLO VYPNUTI_PODPIS_TS SOURCE_DATE_EPOCH VYPNUTI_NECISTY
koren=$PWD
# Debian's, with the schema and YAML packages that tools/install-deps.sh installs.
python=/usr/bin/python3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
verze=$(sed -n 's/^project(vypnuti VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stav=0

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$tmp/klic.pem" -out "$tmp/certifikat.pem" -days 1 \
  -subj "/CN=Zkusebni podpis" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$tmp/klic.pem" -in "$tmp/certifikat.pem" -out "$tmp/podpis.pfx" -passout pass:heslo

a=$tmp/a/vydani b=$tmp/jinde/druha/vydani
for d in "$a" "$b"; do git clone -q "$koren" "$d"; done

# Refusals, before anything is built. $1: what the user must read; the rest: the command.
odmita() {
  local ocekavano=$1 vystup
  shift
  if vystup=$("$@" 2>&1); then
    echo "FAILED: went on: $*"; stav=1
  elif ! grep -qF "$ocekavano" <<<"$vystup"; then
    echo "FAILED: $*: $vystup"; stav=1
  fi
}
mkdir "$tmp/bez-gitu" && git archive HEAD | tar -x -C "$tmp/bez-gitu"
touch "$a/navic"
odmita "the working tree differs from commit" env -C "$a" tools/release.sh
rm "$a/navic"
odmita "no git repository here" env -C "$tmp/bez-gitu" tools/release.sh
odmita "cannot read the certificate" env -C "$a" VYPNUTI_PODPIS_PFX=chybi.pfx tools/release.sh
odmita "name the program's page with --domov" \
  "$python" tools/vydani.py manifesty --url "https://github.com/zd/vypnuti/releases/download/v$verze/" "$verze" "$tmp"

SECONDS=0
echo "== release in $a"
(cd "$a" && tools/release.sh --url "https://example.org/vypnuti/v$verze/" >"$tmp/a.log" 2>&1) ||
  { tail -20 "$tmp/a.log"; exit 1; }
echo "== signed release in $b"
(cd "$b" && VYPNUTI_PODPIS_PFX=$tmp/podpis.pfx VYPNUTI_PODPIS_HESLO=heslo \
  tools/release.sh --url "https://example.org/vypnuti/v${verze%.0}/" >"$tmp/b.log" 2>&1) ||
  { tail -20 "$tmp/b.log"; exit 1; }
echo "== two builds in ${SECONDS}s"

# The installer and the ZIP (which holds the exe) by their hashes, and what the rebuild used.
for f in nepodepsane/SHA256SUMS sestaveni.txt; do
  if cmp -s "$a/build/release/${f#*/}" "$b/build/release/$f"; then
    echo "same: ${f#*/}"; cat "$b/build/release/$f"
  else
    echo "FAILED: ${f#*/} differs between the two builds:"
    diff "$a/build/release/${f#*/}" "$b/build/release/$f" || true
    stav=1
  fi
done
for d in "$a/build/release" "$b/build/release" "$b/build/release/nepodepsane"; do
  (cd "$d" && sha256sum --quiet -c SHA256SUMS) || { echo "FAILED: SHA256SUMS in $d"; stav=1; }
done
grep -q "^== not signed" "$tmp/a.log" || { echo "FAILED: an unsigned release does not say so"; stav=1; }
"$python" tools/vydani_test.py manifesty "$a/build/release" || stav=1
"$python" tools/vydani_test.py manifesty "$b/build/release" || stav=1
"$python" tools/vydani_test.py podpis "$b/build/release" "$tmp/certifikat.pem" || stav=1
exit $stav
