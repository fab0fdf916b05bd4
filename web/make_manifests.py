#!/usr/bin/env python3
"""Writes the web app manifest of each language the site has a catalogue for, as
manifest.LANG.webmanifest beside the English manifest.webmanifest: its name, short name and
description translated from the compiled catalogue (locale/LANG/LC_MESSAGES/quarvel-orbix.mo).

    make_manifests.py SITE_FOLDER
"""
import gettext
import json
import pathlib
import sys

# The manifest's texts and their contexts in ui/text_catalogue.h, where the English of
# manifest.webmanifest is the key of each.
CONTEXTS = {"name": "web app name", "short_name": "web app short name", "description": "web app description"}


def main(site):
    english = json.loads((site / "manifest.webmanifest").read_text(encoding="utf-8"))
    for mo in sorted(site.glob("locale/*/LC_MESSAGES/quarvel-orbix.mo")):
        language = mo.parent.parent.name
        with mo.open("rb") as catalogue:
            translations = gettext.GNUTranslations(catalogue)
        manifest = dict(english, lang=language.replace("_", "-"))
        for field, context in CONTEXTS.items():
            key = f"{context}\x04{english[field]}"
            if key not in translations._catalog:
                sys.exit(f"{mo}: no translation of the manifest's {field} \"{english[field]}\" ({context})")
            manifest[field] = translations._catalog[key]
        text = json.dumps(manifest, ensure_ascii=False, indent=2) + "\n"
        (site / f"manifest.{language}.webmanifest").write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]))
