#!/usr/bin/env bash
# Signs a Windows program in place: Authenticode, SHA-256, with the PKCS#12 certificate named by
# VYPNUTI_PODPIS_PFX and its password VYPNUTI_PODPIS_HESLO, time-stamped (RFC 3161) by the server
# VYPNUTI_PODPIS_TS when one is named. tools/release.sh and makensis (the installer's !finalize) call it.
set -euo pipefail
soubor=$1
: "${VYPNUTI_PODPIS_PFX:?podepis: VYPNUTI_PODPIS_PFX names no certificate}"
razitko=()
[ -n "${VYPNUTI_PODPIS_TS:-}" ] && razitko=(-ts "$VYPNUTI_PODPIS_TS")
# The password goes in through a pipe: on the command line every user of the machine could read it.
# The name shown when Windows asks for consent is stored as ASCII: diacritics would come out garbled.
printf '%s' "${VYPNUTI_PODPIS_HESLO-}" |
  osslsigncode sign -pkcs12 "$VYPNUTI_PODPIS_PFX" -readpass /dev/stdin -h sha256 -n "Vypnuti pocitace" \
    "${razitko[@]}" -in "$soubor" -out "$soubor.podepsany" >/dev/null
mv "$soubor.podepsany" "$soubor"
