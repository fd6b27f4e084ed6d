#!/usr/bin/env python3
"""Assembles a release folder from what tools/release/debian13.sh built.

Copies the four downloads into OUT and writes beside each a CycloneDX 1.6
bill of materials (DOWNLOAD.cdx.json), Qt's own SPDX document (which the
Windows bills refer to), the release notes from CHANGELOG.md and SHA256SUMS
over everything. Every file names the commit where it has room for it; every
time in them is SOURCE_DATE_EPOCH's, so the same commit gives the same bytes.
"""
import argparse
import datetime
import glob
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.parse
import uuid

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def fail(message):
    sys.exit(f"make-dist.py: {message}")


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def one(pattern):
    found = glob.glob(pattern)
    if len(found) != 1:
        fail(f"expected one file for {pattern}, found {found}")
    return found[0]


def facts(path):
    """The lines of a facts file, as (first word, rest) pairs."""
    with open(path, encoding="utf-8") as f:
        return [tuple(line.rstrip("\n").split(" ", 1)) for line in f if line.strip()]


def identity(path):
    values = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            match = re.match(r"^(SORVANE_\w+)='?(.*?)'?$", line.rstrip("\n"))
            if match:
                values[match.group(1)] = match.group(2)
    return values


def file_components(folder):
    """Every file under FOLDER, by its path there, with its SHA-256."""
    components = []
    for base, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(base, name)
            relative = os.path.relpath(path, folder)
            components.append({
                "type": "file",
                "bom-ref": "file:" + relative,
                "name": relative,
                "hashes": [{"alg": "SHA-256", "content": sha256(path)}],
            })
    return sorted(components, key=lambda c: c["name"])


def deb_purl(package, version, architecture):
    """A package URL for a Debian package, its version percent-encoded."""
    return f"pkg:deb/debian/{package}@{urllib.parse.quote(version, safe='')}?arch={architecture}"


def licence(expression):
    return [{"expression": expression}]


def property_list(pairs):
    return [{"name": name, "value": value} for name, value in pairs]


class Release:
    def __init__(self, dist, qt, out):
        self.dist, self.qt, self.out = dist, qt, out
        self.commit = os.environ.get("SORVANE_COMMIT", "")
        epoch = os.environ.get("SOURCE_DATE_EPOCH", "")
        if not self.commit or not epoch:
            fail("SORVANE_COMMIT and SOURCE_DATE_EPOCH must be set (tools/release.sh sets them)")
        self.time = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).strftime(
            "%Y-%m-%dT%H:%M:%SZ")
        self.identity = identity(os.path.join(dist, "windows", "sorvane_identity.sh"))
        self.release = self.identity["SORVANE_RELEASE"]

    def document(self, download, component_type, purl, components, properties):
        """A CycloneDX document for one download, whose file is in OUT already."""
        path = os.path.join(self.out, download)
        program = {
            "type": "application",
            "bom-ref": "download",
            "name": self.identity["SORVANE_EXECUTABLE"],
            "version": self.release,
            "description": f"{self.identity['SORVANE_NAME']} {self.release}: {download}",
            # The program's own licence has not been chosen yet.
            "licenses": [{"license": {"name": "NOASSERTION"}}],
            "hashes": [{"alg": "SHA-256", "content": sha256(path)}],
            "properties": property_list([("sorvane:commit", self.commit), ("sorvane:download", download),
                                         ("sorvane:kind", component_type)] + list(properties)),
        }
        if purl:
            program["purl"] = purl
        return {
            "bomFormat": "CycloneDX",
            "specVersion": "1.6",
            # The same commit and download always give the same number.
            "serialNumber": "urn:uuid:" + str(uuid.uuid5(uuid.NAMESPACE_URL,
                                                         f"sorvane:{self.commit}:{download}")),
            "version": 1,
            "metadata": {
                "timestamp": self.time,
                "tools": {"components": [{"type": "application", "name": "tools/release.sh",
                                          "version": self.commit}]},
                "component": program,
            },
            "components": components,
            # The files are what the download holds; the rest is what they come from.
            "dependencies": [{"ref": "download",
                              "dependsOn": [c["bom-ref"] for c in components if c["type"] != "file"]}],
        }

    def write(self, download, document):
        with open(os.path.join(self.out, download + ".cdx.json"), "w", encoding="utf-8") as f:
            json.dump(document, f, indent=2, ensure_ascii=False, sort_keys=False)
            f.write("\n")

    def deb(self, folder):
        source = one(os.path.join(self.dist, folder, "sorvane_*.deb"))
        download = os.path.basename(source)
        shutil.copyfile(source, os.path.join(self.out, download))
        known = dict(facts(os.path.join(self.dist, folder, "facts.txt")))
        field = lambda name: subprocess.run(["dpkg-deb", "-f", source, name], check=True,
                                            capture_output=True, text=True).stdout.strip()
        with tempfile.TemporaryDirectory() as unpacked:
            subprocess.run(["dpkg-deb", "-x", source, unpacked], check=True)
            files = file_components(unpacked)
        qt = {
            "type": "library",
            "bom-ref": "qt6-base",
            "name": "qt6-base",
            "version": known["qt6-base"],
            "scope": "required",
            "description": "Qt 6 from Debian's packages, which the package depends on; not part of the download",
            "licenses": licence("LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only"),
            "purl": deb_purl("qt6-base", known["qt6-base"], "source"),
        }
        architecture = field("Architecture")
        self.write(download, self.document(
            download, "Debian package",
            deb_purl("sorvane", self.release, architecture),
            files + [qt],
            [("debian:built-on", known["os"]), ("debian:depends", field("Depends"))]))
        return download

    def windows(self, qt_spdx):
        package = os.path.join(self.dist, "windows", "package")
        zip_path = one(os.path.join(package, "sorvane-*-windows-x86_64.zip"))
        setup_path = one(os.path.join(package, "sorvane-*-windows-x86_64-setup.exe"))
        stage = zip_path[:-len(".zip")]
        files = file_components(stage)
        versions = facts(os.path.join(self.qt, "sorvane-qt.txt"))
        values = {key: value for key, value in versions if key not in ("bundled", "licence")}
        # "licence NAME EXPRESSION": names are one word, expressions may have spaces.
        licences = dict(value.split(" ", 1) for key, value in versions if key == "licence")
        bundled = []
        for key, value in versions:
            if key != "bundled":
                continue
            name, version = value.rsplit(" ", 1)
            bundled.append({
                "type": "library",
                "bom-ref": "qt-bundled:" + name,
                "name": name,
                "version": version,
                "description": "Compiled into the Qt DLLs from the copy in Qt's source (src/3rdparty)",
                "licenses": licence(licences.get(name, "NOASSERTION")),
            })
        references = []
        if qt_spdx:
            references.append({
                "type": "bom",
                "url": os.path.basename(qt_spdx),
                "comment": "Qt's own SPDX 2.3 document, written by Qt's build (-sbom), in this release's folder",
                "hashes": [{"alg": "SHA-256", "content": sha256(qt_spdx)}],
            })
        qt = {
            "type": "framework",
            "bom-ref": "qt",
            "name": "Qt",
            "version": values["qt"],
            "description": "Qt Core, Gui and Widgets with their plugins, cross-built for Windows from "
                           f"Debian 13's qt6-base source {values['debian']} with Debian's patches",
            "licenses": licence("LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only"),
            "purl": deb_purl("qt6-base", values["debian"], "source"),
            "properties": property_list([("debian:source", "qt6-base " + values["debian"]),
                                         ("qt:configure", values["configure"]),
                                         ("qt:source-date-epoch", values["epoch"])]),
            "components": bundled,
        }
        if references:
            qt["externalReferences"] = references
        runtime = []
        nsis = None
        for key, value in facts(os.path.join(self.dist, "windows", "facts.txt")):
            if key == "runtime":
                dll, package_name, version, architecture = value.split(" ")
                winpthreads = dll.startswith("libwinpthread")
                runtime.append({
                    "type": "library",
                    "bom-ref": "runtime:" + dll,
                    "name": dll,
                    "version": version,
                    "description": f"MinGW-w64 runtime DLL from Debian's {package_name} {version}",
                    "licenses": licence("MIT" if winpthreads else "GPL-3.0-or-later WITH GCC-exception-3.1"),
                    "purl": deb_purl(package_name, version, architecture),
                })
            elif key == "nsis":
                nsis, nsis_architecture = value.split(" ")
        if not runtime or not nsis:
            fail("windows/facts.txt lacks the runtime DLLs or NSIS")

        zip_name = os.path.basename(zip_path)
        shutil.copyfile(zip_path, os.path.join(self.out, zip_name))
        self.write(zip_name, self.document(zip_name, "Windows zip", None, files + [qt] + runtime, []))

        setup_name = os.path.basename(setup_path)
        shutil.copyfile(setup_path, os.path.join(self.out, setup_name))
        maker = {
            "type": "application",
            "bom-ref": "nsis",
            "name": "NSIS",
            "version": nsis,
            "scope": "required",
            "description": "Makes the installer: its installing and uninstalling code (with LZMA) is "
                           f"NSIS's, from Debian's nsis {nsis}",
            "licenses": licence("Zlib AND CPL-1.0"),
            "purl": deb_purl("nsis", nsis, nsis_architecture),
        }
        self.write(setup_name, self.document(setup_name, "Windows installer", None,
                                             files + [qt] + runtime + [maker], []))
        return [zip_name, setup_name]


def release_notes(release, commit):
    with open(os.path.join(ROOT, "CHANGELOG.md"), encoding="utf-8") as f:
        text = f.read()
    match = re.search(rf"^## {re.escape(release)}\b.*?(?=^## |\Z)", text, re.S | re.M)
    if not match:
        fail(f"CHANGELOG.md has no entry for {release}")
    heading, body = match.group(0).split("\n", 1)
    return f"# Sorvane {heading[3:]}\n\nBuilt from commit {commit}.\n\n{body.strip()}\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dist", required=True)
    parser.add_argument("--qt", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(args.out)
    release = Release(args.dist, args.qt, args.out)

    qt_spdx = None
    documents = sorted(glob.glob(os.path.join(args.qt, "sbom", "*.spdx")))
    if documents:
        qt_spdx = os.path.join(args.out, os.path.basename(documents[0]))
        shutil.copyfile(documents[0], qt_spdx)
    downloads = [release.deb("debian12"), release.deb("debian13")] + release.windows(qt_spdx)

    notes = f"sorvane-{release.release}-release-notes.md"
    with open(os.path.join(args.out, notes), "w", encoding="utf-8") as f:
        f.write(release_notes(release.release, release.commit))

    names = sorted(os.listdir(args.out))
    with open(os.path.join(args.out, "SHA256SUMS"), "w", encoding="utf-8") as f:
        for name in names:
            f.write(f"{sha256(os.path.join(args.out, name))}  {name}\n")
    for name in downloads:
        print(name)


if __name__ == "__main__":
    main()
