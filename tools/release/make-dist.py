#!/usr/bin/env python3
"""Assembles a release folder from what tools/release/debian13.sh built.

Copies the four downloads into OUT and writes beside each a CycloneDX 1.6
bill of materials (DOWNLOAD.cdx.json), Qt's own SPDX document (which the
Windows bills refer to), the build information (sorvane-RELEASE.buildinfo),
the release notes from CHANGELOG.md and SHA256SUMS over everything. Every
file names the commit where it has room for it; every time in them is
SOURCE_DATE_EPOCH's, so the same commit gives the same bytes.

The bills carry the elements NTIA names as the minimum: each component's
supplier, name, version and identifier (a package URL, with the CPE where
Qt's attribution gives one; a file's SHA-256), the dependencies from the
download down, the bill's author and its time. The program's name and
release come from the environment (SORVANE_NAME, SORVANE_EXECUTABLE,
SORVANE_RELEASE, SORVANE_HOME_PAGE: the generated sorvane_identity.sh).
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
import uuid

from packageurl import PackageURL

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEBIAN = {"name": "Debian", "url": ["https://www.debian.org/"]}
QT_LICENCE = "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only"


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


def lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip()]


def facts(path):
    """The lines of a facts file, as (first word, rest) pairs."""
    return [tuple(line.split(" ", 1)) for line in lines(path)]


def codename(os_name):
    """The codename in a Debian release's name: "... 12 (bookworm)" gives bookworm."""
    match = re.search(r"\((\w+)\)", os_name)
    if not match:
        fail(f"no codename in {os_name!r}")
    return match.group(1)


def deb_purl(package, version, architecture, distro, namespace="debian"):
    return PackageURL(type="deb", namespace=namespace, name=package, version=version,
                      qualifiers={"arch": architecture, "distro": distro}).to_string()


def component(kind, ref, name, version, supplier, description, purl=None, licence=None, **extra):
    """A component with the elements every one of them carries."""
    entry = {"type": kind, "bom-ref": ref, "supplier": supplier, "name": name, "version": version,
             "description": description}
    if licence:
        entry["licenses"] = [{"expression": licence}]
    if purl:
        entry["purl"] = purl
    entry.update(extra)
    return entry


def property_list(pairs):
    return [{"name": name, "value": value} for name, value in pairs]


def file_components(folder, owner_of):
    """Every file under FOLDER, by its path there, with its SHA-256, as
    {owner's bom-ref: [components]}; OWNER_OF(path) gives the owner (the
    component the file belongs to), whose version and supplier it takes."""
    owned = {}
    for base, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(base, name)
            relative = os.path.relpath(path, folder)
            owner = owner_of(relative)
            owned.setdefault(owner["bom-ref"], []).append(component(
                "file", "file:" + relative, relative, owner["version"], owner["supplier"],
                f"A file of {owner['name']}", hashes=[{"alg": "SHA-256", "content": sha256(path)}]))
    return {ref: sorted(files, key=lambda c: c["name"]) for ref, files in owned.items()}


def qt_identifiers(spdx):
    """The package URLs and CPEs that Qt's SPDX document (made from the
    attribution files of Qt's source) gives each package, by its name and
    version."""
    found, name, version = {}, None, None
    for line in lines(spdx) if spdx else []:
        key, _, value = line.partition(": ")
        if key == "PackageName":
            name, version = value, None
        elif key == "PackageVersion":
            version = value
        elif key == "ExternalRef" and name:
            _, kind, locator = value.split(" ", 2)
            entry = found.setdefault((name, version), {"purl": [], "cpe": []})
            if kind == "purl":
                entry["purl"].append(locator)
            elif kind.startswith("cpe"):
                entry["cpe"].append(locator)
    return found


class Release:
    def __init__(self, dist, qt, out):
        self.dist, self.qt, self.out = dist, qt, out
        try:
            self.commit = os.environ["SORVANE_COMMIT"]
            epoch = os.environ["SOURCE_DATE_EPOCH"]
            self.name = os.environ["SORVANE_NAME"]
            self.executable = os.environ["SORVANE_EXECUTABLE"]
            self.release = os.environ["SORVANE_RELEASE"]
            home = os.environ["SORVANE_HOME_PAGE"]
        except KeyError as missing:
            fail(f"{missing} is not set (tools/release.sh and tools/release/debian13.sh set it)")
        self.epoch = epoch
        self.time = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).strftime(
            "%Y-%m-%dT%H:%M:%SZ")
        # The project supplies and authors the program and its bills, under its name.
        self.project = {"name": self.name, "url": [home]}
        qt_facts = facts(os.path.join(qt, "sorvane-qt.txt"))
        self.qt_values = {key: value for key, value in qt_facts if key not in ("bundled", "licence")}
        self.qt_facts = qt_facts
        # What each part of the build ran on and used: its release, then its packages.
        self.host = lines(os.path.join(dist, "host.txt"))
        self.root = lines(os.path.join(dist, "root.txt"))
        self.root_distro = codename(self.root[0])

    def program(self, description):
        return component("application", "program", self.executable, self.release, self.project,
                         description, PackageURL(type="generic", name=self.executable,
                                                 version=self.release).to_string(),
                         authors=[{"name": self.name}])

    def document(self, download, kind, purl, components, dependencies, properties=()):
        """A CycloneDX document for one download, whose file is in OUT already:
        DEPENDENCIES maps a bom-ref to those it depends on; every component
        has an entry, an empty one where it depends on nothing."""
        path = os.path.join(self.out, download)
        subject = component(
            "file", "download", download, self.release, self.project, f"{self.name} {self.release}: {kind}",
            purl, hashes=[{"alg": "SHA-256", "content": sha256(path)}],
            properties=property_list([("sorvane:commit", self.commit), ("sorvane:kind", kind)]
                                     + list(properties)))
        # The program's licence has not been chosen yet: no licence is given.
        refs = ["download"] + [c["bom-ref"] for c in walk(components) if c["type"] != "file"]
        document = {
            "bomFormat": "CycloneDX",
            "specVersion": "1.6",
            "version": 1,
            "metadata": {
                "timestamp": self.time,
                "tools": {"components": [{"type": "application", "name": "tools/release.sh",
                                          "version": self.commit}]},
                "authors": [{"name": self.name}],
                "supplier": self.project,
                "component": subject,
            },
            "components": components,
            "dependencies": [{"ref": ref, "dependsOn": dependencies.get(ref, [])} for ref in refs],
        }
        # The number names this content: any other content gets another.
        content = json.dumps(document, sort_keys=True, ensure_ascii=False).encode("utf-8")
        document["serialNumber"] = "urn:uuid:" + str(uuid.uuid5(
            uuid.NAMESPACE_URL, "sorvane:bom:" + hashlib.sha256(content).hexdigest()))
        return document

    def write(self, download, document):
        with open(os.path.join(self.out, download + ".cdx.json"), "w", encoding="utf-8") as f:
            json.dump(document, f, indent=2, ensure_ascii=False, sort_keys=False)
            f.write("\n")

    def deb(self, folder):
        source = one(os.path.join(self.dist, folder, "sorvane_*.deb"))
        download = os.path.basename(source)
        shutil.copyfile(source, os.path.join(self.out, download))
        known = facts(os.path.join(self.dist, folder, "facts.txt"))
        built_on = dict(known)["os"]
        distro = codename(built_on)
        field = lambda name: subprocess.run(["dpkg-deb", "-f", source, name], check=True,
                                            capture_output=True, text=True).stdout.strip()
        program = self.program("The program, installed under /usr by the package")
        with tempfile.TemporaryDirectory() as unpacked:
            subprocess.run(["dpkg-deb", "-x", source, unpacked], check=True)
            program["components"] = file_components(unpacked, lambda _: program)["program"]
        depends = []
        for key, value in known:
            if key == "depends":
                name, version, architecture = value.split(" ")
                depends.append(component(
                    "library", "debian:" + name, name, version, DEBIAN,
                    f"Debian's {name}, which the package's Depends field names, at the version it was "
                    "built with; installed by apt, not part of the download",
                    deb_purl(name, version, architecture, distro), scope="required"))
        if not depends:
            fail(f"{folder}/facts.txt names no package of the Depends field")
        architecture = field("Architecture")
        self.write(download, self.document(
            download, "Debian package",
            deb_purl("sorvane", self.release, architecture, distro, namespace=self.executable),
            [program] + depends,
            {"download": ["program"] + [d["bom-ref"] for d in depends]},
            [("debian:built-on", built_on), ("debian:qt6-base", dict(known)["qt6-base"])]))
        return download

    def qt_component(self, qt_spdx):
        values = self.qt_values
        # "licence NAME EXPRESSION": names are one word, expressions may have spaces.
        licences = dict(value.split(" ", 1) for key, value in self.qt_facts if key == "licence")
        licences = {name: expression for name, expression in licences.items() if expression != "NOASSERTION"}
        identifiers = qt_identifiers(qt_spdx)
        bundled = []
        for key, value in self.qt_facts:
            if key != "bundled":
                continue
            name, version = value.rsplit(" ", 1)
            found = bundled_identifiers(identifiers, name, version)
            if not found["purl"]:
                # Without Qt's document (its build may leave it out), a generic one.
                found["purl"] = [PackageURL(type="generic", name=name, version=version).to_string()]
            entry = component(
                "library", "qt-bundled:" + name, name, version, DEBIAN,
                "Compiled into the Qt DLLs from the copy in Qt's source (src/3rdparty), "
                f"as Debian's qt6-base source {values['debian']} holds it",
                found["purl"][0], licences.get(name))
            if found["cpe"]:
                entry["cpe"] = found["cpe"][0]
            bundled.append(entry)
        qt = component(
            "framework", "qt", "Qt", values["qt"], DEBIAN,
            "Qt Core, Gui and Widgets with their plugins, cross-built for Windows from "
            f"Debian 13's qt6-base source {values['debian']} with Debian's patches",
            deb_purl("qt6-base", values["debian"], "source", self.root_distro), QT_LICENCE,
            properties=property_list([("debian:source", "qt6-base " + values["debian"]),
                                      ("qt:configure", values["configure"]),
                                      ("qt:source-date-epoch", values["epoch"])]))
        if qt_spdx:
            qt["externalReferences"] = [{
                "type": "bom",
                "url": os.path.basename(qt_spdx),
                "comment": "Qt's own SPDX 2.3 document, written by Qt's build (-sbom), in this release's folder",
                "hashes": [{"alg": "SHA-256", "content": sha256(qt_spdx)}],
            }]
        return qt, bundled

    def windows(self, qt_spdx):
        package = os.path.join(self.dist, "windows", "package")
        zip_path = one(os.path.join(package, "sorvane-*-windows-x86_64.zip"))
        setup_path = one(os.path.join(package, "sorvane-*-windows-x86_64-setup.exe"))
        runtime, nsis = {}, None
        for key, value in facts(os.path.join(self.dist, "windows", "facts.txt")):
            if key == "runtime":
                dll, package_name, version, architecture = value.split(" ")
                runtime[dll] = component(
                    "library", "runtime:" + dll, dll, version, DEBIAN,
                    f"MinGW-w64 runtime DLL from Debian's {package_name} {version}",
                    deb_purl(package_name, version, architecture, self.root_distro),
                    "MIT" if dll.startswith("libwinpthread") else "GPL-3.0-or-later WITH GCC-exception-3.1")
            elif key == "nsis":
                version, architecture = value.split(" ")
                nsis = component(
                    "application", "nsis", "NSIS", version, DEBIAN,
                    "Makes the installer: its installing and uninstalling code (with LZMA) is "
                    f"NSIS's, from Debian's nsis {version}",
                    deb_purl("nsis", version, architecture, self.root_distro), "Zlib AND CPL-1.0", scope="required")
        if not runtime or not nsis:
            fail("windows/facts.txt lacks the runtime DLLs or NSIS")

        def owner_of(path):
            """Qt's DLLs, plugins and translations are where they are in Qt's prefix."""
            if path in runtime:
                return runtime[path]
            if any(os.path.isfile(os.path.join(self.qt, folder, path)) for folder in ("bin", "plugins", "")):
                return qt
            return program

        program = self.program("The program and the files it ships with: its README.txt, qt.conf "
                               "and the licences")
        qt, bundled = self.qt_component(qt_spdx)
        owned = file_components(zip_path[:-len(".zip")], owner_of)
        for owner in [program, qt] + list(runtime.values()):
            owner["components"] = owned.get(owner["bom-ref"], []) + (bundled if owner is qt else [])
        graph = {"download": ["program"], "program": ["qt"] + [r["bom-ref"] for r in runtime.values()],
                 "qt": [b["bom-ref"] for b in bundled]}
        components = [program, qt] + list(runtime.values())

        zip_name = os.path.basename(zip_path)
        shutil.copyfile(zip_path, os.path.join(self.out, zip_name))
        self.write(zip_name, self.document(zip_name, "Windows zip", self.download_purl(zip_name),
                                           components, graph))
        setup_name = os.path.basename(setup_path)
        shutil.copyfile(setup_path, os.path.join(self.out, setup_name))
        self.write(setup_name, self.document(setup_name, "Windows installer", self.download_purl(setup_name),
                                             components + [nsis], dict(graph, download=["program", "nsis"])))
        return [zip_name, setup_name]

    def download_purl(self, download):
        return PackageURL(type="generic", name=self.executable, version=self.release,
                          qualifiers={"file_name": download}).to_string()

    def buildinfo(self, downloads):
        """The build information: what shaped the bytes, in Debian's field style."""
        host, root, values = self.host, self.root, self.qt_values
        fields = [
            ("Format", "1.0"),
            ("Source", self.executable),
            ("Version", self.release),
            ("Commit", self.commit),
            ("Source-Date-Epoch", self.epoch),
            ("Binary-Files", "\n" + "\n".join(" " + name for name in downloads)),
            ("Host-Release", host[0]),
            ("Root-Release", root[0]),
            ("Windows-Qt", f"{values['qt']}, from Debian's qt6-base source {values['debian']}"),
            ("Windows-Qt-Cache", os.path.basename(os.path.normpath(self.qt))),
            ("Windows-Qt-Source-Date-Epoch", values["epoch"]),
            ("Windows-Qt-Configure", values["configure"]),
            ("Host-Packages", "\n" + "\n".join(host[1:])),
            ("Root-Packages", "\n" + "\n".join(root[1:])),
        ]
        name = f"{self.executable}-{self.release}.buildinfo"
        with open(os.path.join(self.out, name), "w", encoding="utf-8") as f:
            # A field of many lines starts on the next line, each line indented.
            f.writelines(f"{key}:{value}\n" if value.startswith("\n") else f"{key}: {value}\n"
                         for key, value in fields)
        return name


def walk(components):
    """The components and those nested in them, depth first."""
    for entry in components:
        yield entry
        yield from walk(entry.get("components", []))


def bundled_identifiers(identifiers, name, version):
    """The identifiers Qt's SPDX document gives a bundled library: the package
    of that version whose name is the library's, letters alone compared."""
    letters = lambda text: re.sub(r"[^a-z0-9]", "", text.lower())
    for (spdx_name, spdx_version), found in sorted(identifiers.items(), key=lambda item: str(item[0])):
        if spdx_version == version and letters(name) in letters(spdx_name):
            return found
    return {"purl": [], "cpe": []}


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
    release.buildinfo(downloads)

    notes = f"{release.executable}-{release.release}-release-notes.md"
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
