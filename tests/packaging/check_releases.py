#!/usr/bin/env python3
# The package's two records of releases agree: every entry of the shipped
# changelog, as dpkg's own parser reads it, is an AppStream <release> with the
# same version, day and notes, in the same order.
#
# usage: check_releases.py ROOT   (the unpacked package)
import email.utils
import gzip
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


# Version, day and bullets (each joined into one line) of every entry.
def changelog_releases(root):
    with tempfile.NamedTemporaryFile(suffix=".changelog") as plain:
        with gzip.open(f"{root}/usr/share/doc/tav20/changelog.gz") as packed:
            plain.write(packed.read())
        plain.flush()
        parsed = subprocess.run(["dpkg-parsechangelog", "-l", plain.name, "--all", "--format", "rfc822"],
                                check=True, capture_output=True, text=True).stdout
    releases = []
    for entry in parsed.strip().split("\n\n"):
        field = dict(re.findall(r"^(\w+): (.*)$", entry, re.M))
        day = email.utils.parsedate_to_datetime(field["Date"]).date().isoformat()
        # Within the Changes field a bullet is "   * ", its continuation lines indented by five.
        bullets = re.findall(r"^   \* (.*(?:\n     \S.*)*)", entry, re.M)
        releases.append((field["Version"], day, [" ".join(bullet.split()) for bullet in bullets]))
    return releases


def appstream_releases(root):
    component = ElementTree.parse(f"{root}/usr/share/metainfo/org.example.tav20.metainfo.xml")
    return [(release.get("version"), release.get("date"),
             [" ".join(item.text.split()) for item in release.findall("description/ul/li")])
            for release in component.getroot().findall("releases/release")]


def main():
    changelog, appstream = changelog_releases(sys.argv[1]), appstream_releases(sys.argv[1])
    if not changelog or changelog != appstream:
        sys.exit(f"FAIL: the changelog gives\n{changelog}\nbut AppStream\n{appstream}")
    print(f"releases ok: {[version for version, _, _ in changelog]}")


main()
