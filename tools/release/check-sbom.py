#!/usr/bin/env python3
"""Validates bills of materials against CycloneDX's published JSON schema.

  check-sbom.py FILE...

The schema is the one CycloneDX publishes, as Debian's python3-cyclonedx-lib
ships it (the strict variant, which also refuses fields the format does not
define); the version is each document's own specVersion.
"""
import json
import sys

from cyclonedx.schema import SchemaVersion
from cyclonedx.validation.json import JsonStrictValidator


def main(paths):
    if not paths:
        sys.exit("usage: check-sbom.py FILE...")
    failed = False
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        version = json.loads(text).get("specVersion", "")
        schema = SchemaVersion.from_version(version)
        error = JsonStrictValidator(schema).validate_str(text)
        if error is not None:
            print(f"{path}: not valid CycloneDX {version}: {error}", file=sys.stderr)
            failed = True
        else:
            print(f"{path}: valid CycloneDX {version}")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv[1:])
