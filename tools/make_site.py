#!/usr/bin/python3
"""Assembles the browser's site: the page (web/), the content (dat/) with its
list, the catalogues the build made (dat/catalogue_CODE.json for each language
of po/LINGUAS, for the page's own texts, and dat/languages.json listing them), the launcher icon (SVG, and PNGs for the web app
manifest), a subset of the game's font holding every character the game's
texts use in either language, as WOFF2, and last the service worker's list of
every file with the digest of them all as its version. The module
(zemra6-web.mjs and .wasm) is linked into the same folder by the build before
this runs.

Runs under Debian's python3, which has fontTools and brotli; rsvg-convert
draws the PNG icons.
usage: make_site.py SOURCE_ROOT SITE_FOLDER CATALOGUE_FOLDER
"""
import gzip
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import sys

from fontTools import subset

FONT = pathlib.Path("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf")
FONT_LICENSE = pathlib.Path("/usr/share/doc/fonts-ipafont-gothic/copyright")
# Where the game's texts live: the core's string literals, the page's own
# texts and the story's source.
ICON_SIZES = (180, 192, 512)
MODULE_FILES = ("zemra6-web.mjs", "zemra6-web.wasm")
TEXT_GLOBS = ["src/**/*.cpp", "src/**/*.h", "web/**/*.js", "web/**/*.html", "tools/story/*.txt", "po/*.po"]


def characters(root: pathlib.Path, catalogue: dict) -> str:
    chars = {chr(c) for c in range(0x20, 0x7F)}  # ASCII, for typed names and numbers
    chars |= set("０１２３４５６７８９★☆≪≫…―－・、。「」『』（）！？％／")
    texts = [path.read_text(encoding="utf-8") for pattern in TEXT_GLOBS for path in root.glob(pattern)]
    for text in texts + list(catalogue.values()):
        chars |= {c for c in text if ord(c) > 0x7F and not c.isspace()}
    return "".join(sorted(chars))


def make_font(root: pathlib.Path, out: pathlib.Path, catalogue: dict) -> None:
    out.mkdir(parents=True, exist_ok=True)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    font = subset.load_font(str(FONT), options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(root, catalogue))
    subsetter.subset(font)
    # A changed font may not carry the original's name: this one is the game's own subset.
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16):
            record.string = "Zemra6 Gothic" if record.nameID != 6 else "Zemra6Gothic"
    subset.save_font(font, str(out / "zemra6-gothic.woff2"), options)
    shutil.copyfile(FONT_LICENSE, out / "LICENSE.txt")


def write_service_worker(site: pathlib.Path) -> None:
    """Names every file of the site in the worker, and versions it by their digest."""
    files = sorted(p.relative_to(site).as_posix() for p in site.rglob("*") if p.is_file() and p.name != "sw.js")
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    worker = site / "sw.js"
    text = worker.read_text(encoding="utf-8")
    text = re.sub(r'^const VERSION = .*;$', f'const VERSION = "{digest.hexdigest()[:16]}";', text, count=1, flags=re.M)
    text = re.sub(r'^const FILES = .*;$', "const FILES = " + json.dumps(files, ensure_ascii=False) + ";", text,
                  count=1, flags=re.M)
    worker.write_text(text, encoding="utf-8")


def pack(path: pathlib.Path) -> int:
    """The file gzipped beside itself as NAME.gz, which the page unpacks: the
    same bytes in a quarter (a picture) to a third (the core) of the size."""
    if not path.exists():
        return 0
    data = gzip.compress(path.read_bytes(), 9, mtime=0)
    path.with_name(path.name + ".gz").write_bytes(data)
    return len(data)


def pack_pictures(dat: pathlib.Path, names: list) -> dict:
    """Each uncompressed picture packed, as content.json names it for the page."""
    return {name: [f"{name}.gz", pack(dat / name)] for name in names if name.endswith(".bmp")}


def preload_modules(site: pathlib.Path) -> None:
    """Names every module the game's page imports in its head, so the browser
    fetches them at once rather than one level of imports after another."""
    page = site / "index.html"
    links = "".join(f'<link rel="modulepreload" href="js/{path.name}">\n' for path in sorted((site / "js").glob("*.js"))
                    if path.name != "recordings.js")
    text = page.read_text(encoding="utf-8")
    page.write_text(text.replace('<script type="module" src="js/main.js"></script>\n',
                                 links + '<script type="module" src="js/main.js"></script>\n', 1), encoding="utf-8")


def copy_tree(source: pathlib.Path, target: pathlib.Path) -> None:
    for path in source.rglob("*"):
        if path.is_file():
            to = target / path.relative_to(source)
            to.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(path, to)


def main() -> int:
    root, site, catalogues = (pathlib.Path(arg) for arg in sys.argv[1:4])
    site.mkdir(parents=True, exist_ok=True)
    # Made again whole, beside the module the build links here: nothing stale is listed.
    for path in site.iterdir():
        if path.name in MODULE_FILES:
            continue
        shutil.rmtree(path) if path.is_dir() else path.unlink()
    copy_tree(root / "web", site)
    preload_modules(site)
    dat = site / "dat"
    if dat.exists():
        shutil.rmtree(dat)
    copy_tree(root / "dat", dat)
    names = sorted(p.name for p in (root / "dat").iterdir() if p.is_file() and re.fullmatch(r"[\w.]+", p.name))
    listing = {"files": {name: (dat / name).stat().st_size for name in names}, "packed": pack_pictures(dat, names)}
    (dat / "content.json").write_text(json.dumps(listing), encoding="utf-8")
    # Beside the content but not in its list: the page reads them, the core has its own.
    texts = {}
    for path in sorted(catalogues.glob("*.json")):
        shutil.copyfile(path, dat / path.name)
        if path.name.startswith("catalogue_"):
            texts.update({f"{path.name}:{k}": v for k, v in json.loads(path.read_text(encoding="utf-8")).items()})
    make_font(root, site / "font", texts)
    subprocess.run([sys.executable, str(root / "tools/make_icon.py"), str(site / "icon.svg")], check=True)
    (site / "icons").mkdir(exist_ok=True)
    for size in ICON_SIZES:
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(site / f"icons/icon-{size}.png"),
                        str(site / "icon.svg")], check=True)
    pack(site / "zemra6-web.wasm")
    write_service_worker(site)
    return 0


if __name__ == "__main__":
    sys.exit(main())
