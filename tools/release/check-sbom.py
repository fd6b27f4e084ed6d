#!/usr/bin/env python3
"""Checks bills of materials, three ways:

  check-sbom.py FILE...

- against CycloneDX's published JSON schema, as Debian's python3-cyclonedx-lib
  ships it (the strict variant, which also refuses fields the format does not
  define), of each document's own specVersion;
- loaded into python3-cyclonedx-lib's object model, whose validation refuses
  a dependency on a component the document does not hold; its warnings (a
  described component with no dependencies, say) count as failures too;
- for the elements NTIA names as the minimum: the bill's author and time, and
  for every component, nested ones too, its supplier, name, version and an
  identifier: a package URL, or for a file its SHA-256.
"""
import json
import sys
import warnings

from cyclonedx.model.bom import Bom
from cyclonedx.schema import SchemaVersion
from cyclonedx.validation.json import JsonStrictValidator


def components(entries):
    for entry in entries:
        yield entry
        yield from components(entry.get("components", []))


def missing_elements(document):
    """What the document lacks of the minimum elements, as lines."""
    metadata = document.get("metadata", {})
    lacks = [f"the bill's {name}" for name in ("authors", "timestamp") if not metadata.get(name)]
    for entry in components([metadata.get("component", {})] + document.get("components", [])):
        name = entry.get("name") or entry.get("bom-ref", "a component")
        for element in ("name", "version"):
            if not entry.get(element):
                lacks.append(f"{name}: no {element}")
        if not entry.get("supplier", {}).get("name"):
            lacks.append(f"{name}: no supplier")
        identified = entry.get("purl") or (entry.get("type") == "file" and entry.get("hashes"))
        if not identified:
            lacks.append(f"{name}: no package URL" + (" or hash" if entry.get("type") == "file" else ""))
    return lacks


def problems(text):
    document = json.loads(text)
    version = document.get("specVersion", "")
    error = JsonStrictValidator(SchemaVersion.from_version(version)).validate_str(text)
    if error is not None:
        return [f"not valid CycloneDX {version}: {error}"]
    found = []
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        try:
            Bom.from_json(document).validate()
        except Exception as error:  # the model's own exceptions and the warnings turned into them
            found.append(f"refused by the CycloneDX model: {error}")
    return found + missing_elements(document)


def main(paths):
    if not paths:
        sys.exit("usage: check-sbom.py FILE...")
    failed = False
    for path in paths:
        with open(path, encoding="utf-8") as f:
            found = problems(f.read())
        for problem in found:
            print(f"{path}: {problem}", file=sys.stderr)
        if found:
            failed = True
        else:
            print(f"{path}: valid CycloneDX, every reference resolved, the minimum elements present")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1:])
