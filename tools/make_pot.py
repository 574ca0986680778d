#!/usr/bin/env python3
"""Extracts every text the player sees into po/zemra6.pot: xgettext over the
C++ sources (Tr, TrView, Tf, N_, QtTr; TrCtx and NC_ with their context, TrN with
its plural) and the page's modules (tr, tf, trCtx), plus the page's
HTML texts marked data-tr. The template lists each file a message is in, not
its line, so it changes only when the messages do.

usage: make_pot.py [OUT.pot]   (po/zemra6.pot by default)
"""

import html
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
XGETTEXT = ["xgettext", "--from-code=UTF-8", "--add-comments=TRANSLATORS:", "--msgid-bugs-address=zemra6", "--add-location=file", "--sort-output", "--package-name=zemra6",
            "--no-wrap"]
# A text inside an element marked data-tr; and the attributes whose Japanese values are read out or shown.
MARKED = re.compile(r'<(\w+)([^>]*\sdata-tr(?:="[^"]*")?[^>]*)>([^<]*)<')
ATTRIBUTE = re.compile(r'(aria-label|title|alt|placeholder|content)="([^"]*[^\x00-\x7f][^"]*)"')


def po_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def html_messages():
    """(file, text) of every marked text and every non-ASCII attribute in the page's HTML, each text once."""
    found, seen = [], set()
    for path in sorted((ROOT / "web").glob("*.html")):
        source = path.read_text(encoding="utf-8")
        relative = path.relative_to(ROOT).as_posix()
        for match in MARKED.finditer(source):
            text = html.unescape(match.group(3).strip())
            if text and text not in seen:
                seen.add(text)
                found.append((relative, text))
        for match in ATTRIBUTE.finditer(source):
            text = html.unescape(match.group(2))
            if text not in seen:
                seen.add(text)
                found.append((relative, text))
    return found


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "po" / "zemra6.pot"
    cpp = sorted(p.relative_to(ROOT).as_posix() for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h"))
    js = sorted(p.relative_to(ROOT).as_posix() for p in (ROOT / "web").rglob("*.js"))
    with tempfile.TemporaryDirectory() as scratch:
        parts = []
        code = pathlib.Path(scratch, "code.pot")
        subprocess.run(XGETTEXT + ["-L", "C++", "-kTr", "-kTrView", "-kTf:1", "-kTrIn:2", "-kN_", "-kQtTr",
                                   "-kTrCtx:1c,2", "-kTrCtxIn:2c,3", "-kNC_:1c,2", "-kTrN:1,2", "-o", str(code), *cpp],
                       cwd=ROOT, check=True)
        parts.append(code)
        page = pathlib.Path(scratch, "page.pot")
        subprocess.run(XGETTEXT + ["-L", "JavaScript", "-ktr", "-ktf:1", "-ktrCtx:1c,2", "-o", str(page), *js], cwd=ROOT, check=True)
        if page.exists():
            parts.append(page)
        marked = pathlib.Path(scratch, "html.pot")
        with open(marked, "w", encoding="utf-8") as pot:
            pot.write('msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n\n')
            for file, text in html_messages():
                pot.write(f"#: {file}\nmsgid {po_string(text)}\nmsgstr \"\"\n\n")
        parts.append(marked)
        # One header for all, so msgcat joins the parts' messages and their files without a conflict;
        # the date is left out so the file is the same on every run.
        header = re.sub(r'"POT-Creation-Date: [^"]*"\n', "", code.read_text(encoding="utf-8").split("\n\n", 1)[0])
        for part in parts:
            body = part.read_text(encoding="utf-8").split("\n\n", 1)[1]
            part.write_text(header + "\n\n" + body, encoding="utf-8")
        merged = pathlib.Path(scratch, "all.pot")
        subprocess.run(["msgcat", "--sort-output", "--no-wrap", "--add-location=file", "-o", str(merged),
                        *map(str, parts)], check=True)
        text = merged.read_text(encoding="utf-8")
    out.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
