#!/usr/bin/python3
"""Release files that tools/release.sh writes besides the build's own.

  vydani.py zip ZIP EXE
      the portable ZIP: the exe alone, with the time of SOURCE_DATE_EPOCH, so one commit gives one ZIP
  vydani.py manifesty --url BASE [--domov URL] [--licence TEXT] VERSION FOLDER
      the winget and Scoop manifests of the files in FOLDER, downloaded from BASE
"""
import argparse
import hashlib
import json
import os
import re
import sys
import time
import zipfile
from pathlib import Path

import yaml

NAZEV = "Vypnutí počítače"
VYDAVATEL = "ZD"
IDENTIFIKATOR = "ZD.VypnutiPocitace"
# The installed-programs entry the installer writes (src/instalator/vypnuti.nsi, KLIC_ODINSTALACE): by
# its key name and values winget knows an installed copy, and so an upgrade.
KLIC_ODINSTALACE = "ZDKZ"
POPIS = "Vypne, restartuje, odhlásí, uspí nebo zamkne počítač v čase, který zvolíte."
WINGET = "1.12.0"


def zabal(zip_cesta, exe):
    # A ZIP cannot hold a time before 1980; the file's mode is fixed, so the builder's umask stays out.
    cas = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
    info = zipfile.ZipInfo("vypnuti.exe", time.gmtime(cas)[:6])
    info.external_attr = 0o644 << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    with zipfile.ZipFile(zip_cesta, "w") as z:
        z.writestr(info, Path(exe).read_bytes(), compresslevel=9)


def sha256(cesta):
    return hashlib.sha256(Path(cesta).read_bytes()).hexdigest().upper()


class BezOdkazu(yaml.SafeDumper):
    """Writes a value met twice (the two installers' entries) in full both times, as manifests are
    read and reviewed: no YAML anchors."""

    def ignore_aliases(self, data):
        return True


def zapis_yaml(cesta, typ, obsah):
    hlavicka = f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{typ}.{WINGET}.schema.json\n"
    obsah = {**obsah, "ManifestType": typ, "ManifestVersion": WINGET}
    cesta.write_text(hlavicka + yaml.dump(obsah, Dumper=BezOdkazu, allow_unicode=True, sort_keys=False, width=120), encoding="utf-8")


def verze_v_adrese(verze, url):
    """The version as the address writes it, the full one or without trailing .0 parts (a tag v1.2.0 of
    1.2.0.0), and Scoop's template of it; None when the address does not hold it."""
    casti = verze.split(".")
    nazvy = ["$majorVersion", "$minorVersion", "$patchVersion"]
    for n in range(len(casti), 1, -1):
        if any(c != "0" for c in casti[n:]):
            break
        m = re.search(rf"(?<![\d.]){re.escape('.'.join(casti[:n]))}(?!\d|\.\d)", url)
        if m:
            return m, "$version" if n == len(casti) else ".".join(nazvy[:n])
    return None, None


def vsem_uzivatelum():
    """Whether the installer installs for every user when given /AllUsers: only then has it a
    per-machine entry for winget."""
    nsi = (Path(__file__).resolve().parent.parent / "src/instalator/vypnuti.nsi").read_text(encoding="utf-8")
    return re.search(r'^\s*\$\{GetOptions\}\s+\S+\s+"/AllUsers"', nsi, re.M) is not None


def manifesty(verze, slozka, url, domov, licence):
    if not re.match(r"^https?://", url):
        sys.exit(f"vydani: --url must be an http(s) address, not {url!r}")
    url = url.rstrip("/") + "/"
    # The release's folder usually carries its version (…/v1.2.0.0/): the page above it lists the
    # versions. Without it, every version lies in one folder, told apart by the files' names.
    m, sablona = verze_v_adrese(verze, url)
    if m:
        nad = url[: url.rindex("/", 0, m.start()) + 1]
        if not domov and nad.endswith("/download/"):
            sys.exit(f"vydani: {nad} is no page that lists the versions; name the program's page with --domov")
        domov = domov or nad
        sablona = url[: m.start()] + sablona + url[m.end():]
    else:
        domov = domov or url
        sablona = url
    instalace = f"vypnuti-{verze}-x64-instalace.exe"
    prenosna = f"vypnuti-{verze}-x64-prenosna.zip"
    slozka = Path(slozka)
    hash_instalace, hash_prenosne = sha256(slozka / instalace), sha256(slozka / prenosna)

    winget = slozka / "manifesty" / "winget"
    winget.mkdir(parents=True, exist_ok=True)
    hlava = {"PackageIdentifier": IDENTIFIKATOR, "PackageVersion": verze}
    zapis_yaml(winget / f"{IDENTIFIKATOR}.yaml", "version", {**hlava, "DefaultLocale": "cs-CZ"})
    zapis_yaml(winget / f"{IDENTIFIKATOR}.locale.cs-CZ.yaml", "defaultLocale", {
        **hlava, "PackageLocale": "cs-CZ", "Publisher": VYDAVATEL, "PackageName": NAZEV,
        "PackageUrl": domov, "License": licence, "ShortDescription": POPIS, "Moniker": "vypnuti",
        "Tags": ["vypnutí", "restart", "spánek", "časovač", "plánovač"]})
    polozka = {"DisplayName": NAZEV, "Publisher": VYDAVATEL, "DisplayVersion": verze,
               "ProductCode": KLIC_ODINSTALACE}
    instalator = {"Architecture": "x64", "InstallerType": "nullsoft", "InstallerUrl": url + instalace,
                  "InstallerSha256": hash_instalace, "UpgradeBehavior": "install",
                  "AppsAndFeaturesEntries": [polozka]}
    # The installer's own refusals (README): a running program it could not end (a silent run aborts),
    # a run by another account, a downgrade; for every user, administrator's rights refused.
    kody = [(2, "packageInUse"), (3, "custom"), (4, "downgrade")]
    instalatory = [{**instalator, "Scope": "user", "ExpectedReturnCodes": [
        {"InstallerReturnCode": k, "ReturnResponse": r} for k, r in kody]}]
    if vsem_uzivatelum():
        instalatory.append({**instalator, "Scope": "machine", "ElevationRequirement": "elevatesSelf",
                            "InstallerSwitches": {"Custom": "/AllUsers"}, "ExpectedReturnCodes": [
                                {"InstallerReturnCode": k, "ReturnResponse": r}
                                for k, r in [*kody[::2], (5, "cancelledByUser")]]})
    zapis_yaml(winget / f"{IDENTIFIKATOR}.installer.yaml", "installer", {**hlava, "Installers": [
        *instalatory,
        {"Architecture": "x64", "InstallerType": "zip", "NestedInstallerType": "portable",
         "NestedInstallerFiles": [{"RelativeFilePath": "vypnuti.exe", "PortableCommandAlias": "vypnuti"}],
         "InstallerUrl": url + prenosna, "InstallerSha256": hash_prenosne}]})

    scoop = slozka / "manifesty" / "scoop"
    scoop.mkdir(parents=True, exist_ok=True)
    (scoop / "vypnuti-pocitace.json").write_text(json.dumps({
        "version": verze, "description": POPIS, "homepage": domov, "license": licence,
        "url": url + prenosna, "hash": hash_prenosne.lower(),
        "bin": "vypnuti.exe", "shortcuts": [["vypnuti.exe", NAZEV]],
        # The page names the newest ZIP; the new version's files lie where this one's do.
        "checkver": {"url": domov, "regex": r"vypnuti-([\d.]+)-x64-prenosna\.zip"},
        "autoupdate": {"url": sablona + "vypnuti-$version-x64-prenosna.zip"},
    }, ensure_ascii=False, indent=4) + "\n", encoding="utf-8")
    print(f"== manifests for {url}: {winget}, {scoop}")


def main():
    argumenty = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    prikazy = argumenty.add_subparsers(dest="prikaz", required=True)
    z = prikazy.add_parser("zip")
    z.add_argument("zip")
    z.add_argument("exe")
    m = prikazy.add_parser("manifesty")
    m.add_argument("--url", required=True)
    m.add_argument("--domov", help="the program's page (default: the page above the release's folder)")
    m.add_argument("--licence", default="Freeware")
    m.add_argument("verze")
    m.add_argument("slozka")
    a = argumenty.parse_args()
    if a.prikaz == "zip":
        zabal(a.zip, a.exe)
    else:
        manifesty(a.verze, a.slozka, a.url, a.domov, a.licence)


if __name__ == "__main__":
    main()
