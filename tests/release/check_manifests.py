#!/usr/bin/env python3
"""The winget and Scoop manifests of a release, against the schemas the two package managers
publish and against the zip they describe: its SHA-256, its version and the files in it.

    check_manifests.py DIST SCHEMAS

DIST holds velmar-<version>-windows-x64.zip, SHA256SUMS, winget/ and scoop/ as scripts/package
writes them; SCHEMAS is tests/release/schemas. Prints each fault and exits 1 if there is any.
"""
import hashlib
import json
import pathlib
import re
import sys
import zipfile

import jsonschema
import yaml

MANIFEST_VERSION = "1.12.0"
WINGET_FILES = {
    "version": "Tovera.Velmar.yaml",
    "defaultLocale": "Tovera.Velmar.locale.en-US.yaml",
    "installer": "Tovera.Velmar.installer.yaml",
}
ALIASES = {"velmar.exe": "velmar", "velmar-rop.exe": "velmar-rop",
           "velmar-conform.exe": "velmar-conform"}
SCOOP_BIN = ["velmar-rop.exe", "velmar-conform.exe"]
faults = []


def expect(holds, fault):
    if not holds:
        faults.append(fault)


def validate(document, schema_path, name):
    schema = json.loads(schema_path.read_text(encoding="utf-8"))
    validator = jsonschema.Draft7Validator(schema, format_checker=jsonschema.FormatChecker())
    for error in validator.iter_errors(document):
        faults.append(f"{name}: {'/'.join(map(str, error.path))}: {error.message}")


def load_winget(path):
    # winget reads every scalar as a string: a version 1.10 stays "1.10", never the number 1.1.
    with open(path, encoding="utf-8") as file:
        return yaml.load(file, Loader=yaml.BaseLoader)


def check_winget(dist, schemas, zip_facts):
    version, digest, names, zip_name = zip_facts
    manifests = {}
    for kind, file_name in WINGET_FILES.items():
        manifest = load_winget(dist / "winget" / file_name)
        manifests[kind] = manifest
        validate(manifest, schemas / "winget" / f"manifest.{kind}.{MANIFEST_VERSION}.json",
                 file_name)
        expect(manifest.get("ManifestVersion") == MANIFEST_VERSION,
               f"{file_name}: ManifestVersion {manifest.get('ManifestVersion')}")
        expect(manifest.get("PackageVersion") == version,
               f"{file_name}: PackageVersion {manifest.get('PackageVersion')!r}, zip {version}")
        expect(manifest.get("PackageIdentifier") == "Tovera.Velmar",
               f"{file_name}: PackageIdentifier {manifest.get('PackageIdentifier')}")
    expect(manifests["defaultLocale"].get("License") == "MIT", "defaultLocale: License")
    installer = manifests["installer"]
    expect(installer.get("InstallerType") == "zip", "installer: InstallerType")
    expect(installer.get("NestedInstallerType") == "portable", "installer: NestedInstallerType")
    nested = {}
    for entry in installer.get("NestedInstallerFiles", []):
        path = entry.get("RelativeFilePath", "").replace("\\", "/")
        expect(path in names, f"installer: {path} is not in the zip")
        nested[path.rsplit("/", 1)[-1]] = entry.get("PortableCommandAlias")
    expect(nested == ALIASES, f"installer: nested files and aliases {nested}")
    for entry in installer.get("Installers", []):
        expect(entry.get("Architecture") == "x64", "installer: Architecture")
        expect(entry.get("InstallerSha256") == digest.upper(),
               f"installer: InstallerSha256 {entry.get('InstallerSha256')}, zip {digest}")
        expect(entry.get("InstallerUrl", "").endswith(f"/{version}/{zip_name}"),
               f"installer: InstallerUrl {entry.get('InstallerUrl')}")


def scoop_hash_from_sums(manifest, sums, zip_name):
    # As Scoop's autoupdate finds it: the regex with its variables put in, over the text file.
    regex = manifest.get("autoupdate", {}).get("hash", {}).get("regex", "^$")
    regex = regex.replace("$sha256", "([a-fA-F0-9]{64})").replace("$basename", re.escape(zip_name))
    match = re.search(regex, sums)
    return match.group(1).lower() if match and match.groups() else None


def check_scoop(dist, schemas, zip_facts):
    version, digest, names, zip_name = zip_facts
    manifest = json.loads((dist / "scoop" / "velmar.json").read_text(encoding="utf-8"))
    validate(manifest, schemas / "scoop" / "schema.json", "velmar.json")
    expect(manifest.get("version") == version, f"velmar.json: version {manifest.get('version')}")
    expect(manifest.get("hash") == digest, f"velmar.json: hash {manifest.get('hash')}")
    url = manifest.get("url", "")
    expect(url.endswith(f"/{version}/{zip_name}"), f"velmar.json: url {url}")
    top = manifest.get("extract_dir", "")
    expect(manifest.get("bin") == SCOOP_BIN and all(f"{top}/{b}" in names for b in SCOOP_BIN),
           f"velmar.json: bin {manifest.get('bin')}")
    shortcuts = manifest.get("shortcuts", [[""]])
    expect(f"{top}/{shortcuts[0][0]}" in names and shortcuts[0][1:] == ["Velmar"],
           f"velmar.json: shortcuts {shortcuts}")
    update = manifest.get("autoupdate", {})
    expect(update.get("url", "").replace("$version", version) == url, "autoupdate: url")
    expect(update.get("extract_dir", "").replace("$version", version) == top,
           "autoupdate: extract_dir")
    expect(update.get("hash", {}).get("url") == "$baseurl/SHA256SUMS", "autoupdate: hash url")
    sums = (dist / "SHA256SUMS").read_text(encoding="utf-8")
    expect(scoop_hash_from_sums(manifest, sums, zip_name) == digest,
           "autoupdate: the hash regex does not find the zip's line in SHA256SUMS")
    found = re.search(manifest.get("checkver", {}).get("regex", "^$"), zip_name)
    expect(found is not None and found.groups() and found.group(1) == version,
           "checkver: its regex does not read the version from the zip's name")


def zip_facts_of(dist):
    zips = sorted(dist.glob("velmar-*-windows-x64.zip"))
    if len(zips) != 1:
        sys.exit(f"expected one velmar-*-windows-x64.zip in {dist}, found {len(zips)}")
    zip_path = zips[0]
    version = re.fullmatch(r"velmar-(.+)-windows-x64\.zip", zip_path.name).group(1)
    with zipfile.ZipFile(zip_path) as archive:
        names = set(archive.namelist())
    digest = hashlib.sha256(zip_path.read_bytes()).hexdigest()
    return version, digest, names, zip_path.name


def main():
    dist, schemas = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    zip_facts = zip_facts_of(dist)
    check_winget(dist, schemas, zip_facts)
    check_scoop(dist, schemas, zip_facts)
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"winget and Scoop manifests of {zip_facts[3]}: valid, and they match the zip")
    return 0


if __name__ == "__main__":
    sys.exit(main())
