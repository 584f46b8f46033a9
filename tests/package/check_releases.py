#!/usr/bin/env python3
"""The package's two records of releases agree: every entry of the shipped
changelog, as dpkg's own parser reads it, is an AppStream <release> with the
same version, day and notes, in the same order.

usage: check_releases.py ROOT   (the unpacked package)
"""
import email.utils
import gzip
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def stanzas(text):
    """Fields of each stanza of dpkg-parsechangelog's rfc822 output; continuation lines kept."""
    for block in text.strip().split("\n\n"):
        fields, key = {}, None
        for line in block.splitlines():
            if line.startswith(" "):
                fields[key] += "\n" + line[1:]
            else:
                key, _, value = line.partition(":")
                fields[key] = value.strip()
        yield fields


def notes(changes):
    """The bullets of one entry, each joined into one line."""
    items = []
    for line in changes.splitlines():
        if line.startswith("  * "):
            items.append(line[4:].strip())
        elif line.startswith("    ") and items:
            items[-1] += " " + line.strip()
    return items


def changelog_releases(root):
    with tempfile.NamedTemporaryFile(suffix=".changelog") as plain:
        with gzip.open(f"{root}/usr/share/doc/tav20/changelog.gz") as packed:
            plain.write(packed.read())
        plain.flush()
        parsed = subprocess.run(
            ["dpkg-parsechangelog", "-l", plain.name, "--all", "--format", "rfc822"],
            check=True, capture_output=True, text=True).stdout
    return [(entry["Version"],
             email.utils.parsedate_to_datetime(entry["Date"]).date().isoformat(),
             notes(entry["Changes"])) for entry in stanzas(parsed)]


def appstream_releases(root):
    component = ElementTree.parse(f"{root}/usr/share/metainfo/org.example.tav20.metainfo.xml")
    return [(release.get("version"), release.get("date"),
             [" ".join(item.text.split()) for item in release.findall("description/ul/li")])
            for release in component.getroot().findall("releases/release")]


def main():
    root = sys.argv[1]
    changelog, appstream = changelog_releases(root), appstream_releases(root)
    if not changelog or changelog != appstream:
        sys.exit(f"FAIL: the changelog gives\n{changelog}\nbut AppStream\n{appstream}")
    print(f"releases ok: {[version for version, _, _ in changelog]}")


if __name__ == "__main__":
    main()
