#!/usr/bin/env python3
"""Writes the site's help page in English (help.html) and in each language the site has a
catalogue for (help.LANG.html), from the page web/help.html: each heading, paragraph, item,
link and the title is the English key of its translation (context "help page" in
ui/text_catalogue.h), and {new_game}, {show_me}, {hall_of_fame}, {save} and {reload} stand
for the captions those texts name, as the catalogue translates them.

    make_help.py HELP_PAGE SITE_FOLDER
"""
import gettext
import html
import pathlib
import re
import sys

# The captions the texts name, by their context and English text in ui/text_catalogue.h.
NAMES = {"new_game": ("button", "New Game"), "show_me": ("button", "Show Me!"),
         "hall_of_fame": ("window title", "Hall of Fame"), "save": ("button", "Save Game #"),
         "reload": ("button", "Reload Saved Game")}
TEXT = re.compile(r"<(title|h1|h2|p|li|a)([^>]*)>([^<]+)</\1>")


def translated(page, translate, language):
    def one(match):
        words = translate("help page", html.unescape(match.group(3)))
        names = {name: translate(*key) for name, key in NAMES.items()}
        return f"<{match.group(1)}{match.group(2)}>{html.escape(words.format(**names), quote=False)}</{match.group(1)}>"
    return TEXT.sub(one, page).replace('<html lang="en">', f'<html lang="{language}">', 1)


def main(template, site):
    page = template.read_text(encoding="utf-8")
    (site / "help.html").write_text(translated(page, lambda context, english: english, "en"), encoding="utf-8")
    for mo in sorted(site.glob("locale/*/LC_MESSAGES/quarvel-orbix.mo")):
        language = mo.parent.parent.name
        with mo.open("rb") as catalogue:
            texts = gettext.GNUTranslations(catalogue)._catalog

        def translate(context, english):
            if f"{context}\x04{english}" not in texts:
                sys.exit(f"{mo}: no translation of the help page's \"{english}\" ({context})")
            return texts[f"{context}\x04{english}"]
        out = translated(page, translate, language.replace("_", "-"))
        (site / f"help.{language}.html").write_text(out, encoding="utf-8")


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]))
