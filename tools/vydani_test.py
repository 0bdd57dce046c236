#!/usr/bin/python3
"""Checks of a release folder (build/release), run by tools/vydani-test.sh.

  vydani_test.py manifesty FOLDER   the manifests are valid winget 1.12.0 and Scoop manifests, name the
                                    files beside them by their hashes, and the installed-programs entry
                                    the installer writes
  vydani_test.py podpis FOLDER CA   the exe, the uninstaller inside the installer and the installer carry
                                    a valid Authenticode signature by the certificate CA, and the exe
                                    without it is the unsigned one
"""
import hashlib
import json
import lzma
import re
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

import jsonschema
import yaml

KOREN = Path(__file__).resolve().parent.parent
SCHEMATA = KOREN.parent / "shared" / "schemas"
chyby = []


def over(podminka, zprava):
    if not podminka:
        chyby.append(zprava)


def hash_souboru(slozka, url):
    soubor = slozka / url.rsplit("/", 1)[1]
    return hashlib.sha256(soubor.read_bytes()).hexdigest() if soubor.exists() else f"(no {soubor.name})"


def manifesty(slozka):
    if not SCHEMATA.is_dir():
        sys.exit(f"vydani_test: no schemas in {SCHEMATA}")
    nsi = (KOREN / "src/instalator/vypnuti.nsi").read_text(encoding="utf-8")
    verze = re.search(r"project\(vypnuti VERSION ([\d.]+)", (KOREN / "CMakeLists.txt").read_text()).group(1)
    definice = {**dict(re.findall(r'^!define (\w+) "(.*)"$', nsi, re.M)), "VERZE": verze}
    klic = definice["KLIC_ODINSTALACE"]
    # What the installer writes under ...\Uninstall\<key>, as winget reads it to know an installed copy:
    # per user under HKCU, for every user (/AllUsers) under HKLM; SHCTX is the one SetShellVarContext chose.
    koreny = {"user": {"HKCU", "SHCTX"},
              "machine": {"HKLM"} | ({"SHCTX"} if "SetShellVarContext all" in nsi else set())}
    polozky = {}
    for rozsah, koren in koreny.items():
        hodnoty = {n: re.sub(r"\$\{(\w+)\}", lambda d: definice[d[1]], h) for k, n, h in re.findall(
            r'^\s*WriteRegStr (\w+) "\$\{KLIC_ODINSTALACE\}" "(\w+)" "(.*)"$', nsi, re.M) if k in koren}
        if hodnoty and (rozsah == "user" or re.search(r'GetOptions\}\s+\S+\s+"/AllUsers"', nsi)):
            polozky[rozsah] = {"DisplayName": hodnoty["DisplayName"], "Publisher": hodnoty["Publisher"],
                               "DisplayVersion": hodnoty["DisplayVersion"], "ProductCode": klic.rsplit("\\", 1)[1]}

    winget = sorted((slozka / "manifesty/winget").glob("*.yaml"))
    over(len(winget) == 3, f"winget: {len(winget)} files instead of 3")
    for cesta in winget:
        m = yaml.safe_load(cesta.read_text(encoding="utf-8"))
        schema = SCHEMATA / f"winget-1.12.0/manifest.{m.get('ManifestType')}.1.12.0.json"
        for e in jsonschema.Draft7Validator(json.loads(schema.read_text())).iter_errors(m):
            over(False, f"{cesta.name}: {e.json_path}: {e.message}")
        over((m.get("PackageIdentifier"), m.get("PackageVersion")) == ("ZD.VypnutiPocitace", verze),
             f"{cesta.name}: package {m.get('PackageIdentifier')} {m.get('PackageVersion')}")
        for i in m.get("Installers", []):
            nazev = f"{cesta.name}: {i['InstallerType']} {i.get('Scope', '')}"
            over(i["InstallerSha256"].lower() == hash_souboru(slozka, i["InstallerUrl"]), f"{nazev}: hash")
            if i["InstallerType"] == "nullsoft":
                polozka = polozky.pop(i["Scope"], "nothing")
                over(i["AppsAndFeaturesEntries"] == [polozka], f"{nazev}: {i['AppsAndFeaturesEntries']}, "
                     f"while the installer writes {polozka}")
                over(i["Scope"] == "user" or i["InstallerSwitches"]["Custom"] == "/AllUsers", f"{nazev}: switches")
        if "Installers" in m:
            over(not polozky, f"{cesta.name}: no installer of scope {list(polozky)}, which the installer has")

    cesta = slozka / "manifesty/scoop/vypnuti-pocitace.json"
    m = json.loads(cesta.read_text(encoding="utf-8"))
    schema = json.loads((SCHEMATA / "scoop/schema.json").read_text())
    for e in jsonschema.Draft7Validator(schema).iter_errors(m):
        over(False, f"scoop: {e.json_path}: {e.message}")
    over(m["version"] == verze, f"scoop: version {m['version']}")
    over(m["hash"].lower() == hash_souboru(slozka, m["url"]), "scoop: hash")
    # The next version's address, made from the template, for this version must be this one's.
    casti = dict(zip(["$majorVersion", "$minorVersion", "$patchVersion"], verze.split(".")), **{"$version": verze})
    over(re.sub(r"\$\w+", lambda c: casti[c[0]], m["autoupdate"]["url"]) == m["url"],
         f"scoop: autoupdate {m['autoupdate']}")
    over(re.search(m["checkver"]["regex"], m["url"]).group(1) == verze, "scoop: checkver misses the version")
    # The page that lists the versions is no one release's.
    over(m["checkver"]["url"] == m["homepage"] and not re.search(r"\d\.\d", m["homepage"]),
         f"scoop: homepage {m['homepage']}, checkver {m['checkver']['url']}")


def odinstalator(instalator):
    """The uninstaller the installer writes: signed at build time, it lies whole in the installer's
    data, one LZMA stream (SetCompressor /SOLID lzma) of blocks each led by its length."""
    data = instalator[instalator.index(b"\xef\xbe\xad\xdeNullsoftInst") + 24:]
    vlastnosti, slovnik = data[0], struct.unpack_from("<I", data, 1)[0]
    filtr = {"id": lzma.FILTER_LZMA1, "dict_size": slovnik,
             "lc": vlastnosti % 9, "lp": vlastnosti // 9 % 5, "pb": vlastnosti // 45}
    bloky = lzma.LZMADecompressor(lzma.FORMAT_RAW, filters=[filtr]).decompress(data[5:])
    while bloky:
        delka = struct.unpack_from("<I", bloky)[0]
        blok, bloky = bloky[4:4 + delka], bloky[4 + delka:]
        if blok[:2] == b"MZ" and b"NullsoftInst" in blok:
            return blok
    return b""


def podpis(slozka, ca):
    instalator = next(slozka.glob("*-instalace.exe")).read_bytes()
    exe, nepodepsany = [zipfile.ZipFile(next(s.glob("*-prenosna.zip"))).read("vypnuti.exe")
                        for s in (slozka, slozka / "nepodepsane")]
    with tempfile.TemporaryDirectory() as tmp:
        # Signed, and signed by this certificate: a digest of other bytes, or another signer, fails.
        for nazev, obsah, podepsany in [("vypnuti.exe", exe, True), ("uninstaller", odinstalator(instalator), True),
                                        ("installer", instalator, True), ("unsigned exe", nepodepsany, False)]:
            Path(tmp, "a.exe").write_bytes(obsah)
            kod = subprocess.run(["osslsigncode", "verify", "-CAfile", ca, "-in", f"{tmp}/a.exe"],
                                 capture_output=True).returncode
            over((kod == 0) == podepsany, f"{nazev}: osslsigncode verify exits {kod}")
        # Without its signature the signed exe is the reproducible one (README).
        Path(tmp, "a.exe").write_bytes(exe)
        subprocess.run(["osslsigncode", "remove-signature", "-in", f"{tmp}/a.exe", "-out", f"{tmp}/b.exe"],
                       capture_output=True)
        over(Path(tmp, "b.exe").exists() and Path(tmp, "b.exe").read_bytes() == nepodepsany,
             "the signed exe without its signature is not the unsigned one")


if __name__ == "__main__":
    if sys.argv[1] == "manifesty":
        manifesty(Path(sys.argv[2]))
    else:
        podpis(Path(sys.argv[2]), sys.argv[3])
    for c in chyby:
        print(f"FAILED: {c}")
    print(f"== {sys.argv[1]} {sys.argv[2]}: {'failed' if chyby else 'ok'}")
    sys.exit(1 if chyby else 0)
