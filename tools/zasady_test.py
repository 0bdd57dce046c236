#!/usr/bin/python3
"""Checks the Group Policy templates (src/instalator/zasady/, or the folder given, as tools/release.sh
lays them out): each file is valid against the ADMX schema, every $(string.X) and $(presentation.X) of
the ADMX resolves in both languages and each text box belongs to its policy's element, and the key and
value names are the ones the program reads (taken from its source, not typed here again).

Run by Debian's /usr/bin/python3, which has python3-xmlschema (tools/install-deps.sh)."""
import pathlib
import re
import sys
import tempfile
import xml.etree.ElementTree as ET

import xmlschema

ROOT = pathlib.Path(__file__).resolve().parent.parent
SCHEMA = ROOT.parent / "shared" / "schemas" / "admx"
NS_SCHEMA = "http://www.microsoft.com/GroupPolicy/PolicyDefinitions"
NS = "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"
Q = "{%s}" % NS
JAZYKY = ("cs-CZ", "en-US")


def nazvy_z_programu():
    """The key, the value names and the message's length limit as the C++ source has them."""
    port = (ROOT / "src/platform/zasady.h").read_text(encoding="utf-8")
    hodnoty = {m[1]: m[2].replace("\\\\", "\\")
               for m in re.finditer(r'inline constexpr const char\* (\w+) = "([^"]*)";', port)}
    zasady = (ROOT / "src/program/zasady.cpp").read_text(encoding="utf-8")
    delka = int(re.search(r"NejvicZnakuZpravy = (\d+);", zasady)[1])
    return hodnoty.pop("Klic"), hodnoty, delka


def schema():
    """The published schema has another target namespace than real templates: swapped in a copy."""
    if not (SCHEMA / "PolicyDefinitionFiles.xsd").exists():
        sys.exit(f"zasady_test: no ADMX schema in {SCHEMA} (the shared folder beside the repository)")
    with tempfile.TemporaryDirectory(prefix="admx-schema-") as slozka:
        kopie = pathlib.Path(slozka)
        for xsd in SCHEMA.glob("*.xsd"):
            (kopie / xsd.name).write_text(xsd.read_text(encoding="utf-8-sig").replace(NS_SCHEMA, NS), encoding="utf-8")
        return xmlschema.XMLSchema(str(kopie / "PolicyDefinitionFiles.xsd"))


def main():
    slozka = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "src/instalator/zasady"
    admx = slozka / "vypnuti.admx"
    admls = {j: slozka / j / "vypnuti.adml" for j in JAZYKY}
    chyby = []
    overeni = schema()
    for soubor in [admx, *admls.values()]:
        for chyba in overeni.iter_errors(str(soubor)):
            chyby.append(f"{soubor.relative_to(slozka)}: {chyba.reason} at {chyba.path}")

    strom = ET.parse(admx).getroot()
    text = admx.read_text(encoding="utf-8")
    for jazyk, adml in admls.items():
        res = ET.parse(adml).getroot()
        retezce = {s.get("id") for s in res.iter(Q + "string")}
        prezentace = {p.get("id"): p for p in res.iter(Q + "presentation")}
        for druh, nazev in re.findall(r"\$\((string|presentation)\.([^)]*)\)", text):
            if nazev not in (retezce if druh == "string" else prezentace):
                chyby.append(f"{jazyk}: $({druh}.{nazev}) does not resolve")
        for politika in strom.iter(Q + "policy"):
            prvky = {e.get("id") for e in politika.iter() if e.get("valueName") and e is not politika}
            odkaz = re.fullmatch(r"\$\(presentation\.(.*)\)", politika.get("presentation", ""))
            boxy = {b.get("refId") for b in prezentace[odkaz[1]]} if odkaz and odkaz[1] in prezentace else set()
            if boxy != prvky:
                chyby.append(f"{jazyk}: {politika.get('name')}'s presentation shows {sorted(boxy)}, not {sorted(prvky)}")

    klic, hodnoty, delka = nazvy_z_programu()
    nalezene = set()
    for politika in strom.iter(Q + "policy"):
        if politika.get("key") != klic:
            chyby.append(f"{politika.get('name')}: key {politika.get('key')}, the program reads {klic}")
        for prvek in politika.iter():
            if prvek.get("valueName"):
                nalezene.add(prvek.get("valueName"))
            if prvek.get("valueName") == hodnoty["Zprava"] and prvek.get("maxLength") != str(delka):
                chyby.append(f"the message may be {prvek.get('maxLength')} characters long, the program cuts at {delka}")
    if nalezene != set(hodnoty.values()):
        chyby.append(f"the values {sorted(nalezene)} are not those the program reads: {sorted(hodnoty.values())}")

    for chyba in chyby:
        print("zasady_test:", chyba)
    print(f"Policy templates: {'FAILED' if chyby else 'valid'} ({admx.parent})")
    return 1 if chyby else 0


if __name__ == "__main__":
    sys.exit(main())
