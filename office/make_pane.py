#!/usr/bin/env python3
"""Assembles the Word task pane's static folder: the pane's own files, what it shares with the
web page (the engine, the data pack, the fonts, the address code), the ribbon's icons made from
the page's icon, and manifest.xml pointing at where the pane is hosted."""
import argparse
import shutil
import subprocess
from pathlib import Path
from xml.sax.saxutils import escape

# From the web page's folder: the engine, the modules the pane imports, the pack and the fonts.
SHARED = ["engine.js", "engine.wasm", "pelvaron.js", "address.js", "form.js", "handout.js", "icon.svg", "DataQuran", "fonts"]
OWN = ["index.html", "commands.html", "bantuan.html", "pane.js", "word.js", "choices.js", "pane.css"]
ICON_SIZES = [16, 32, 64, 80]

parser = argparse.ArgumentParser()
for option in ("--site", "--pane", "--out", "--url"):
    parser.add_argument(option, required=True)
args = parser.parse_args()
site, pane, out = Path(args.site), Path(args.pane), Path(args.out)
url = args.url if args.url.endswith("/") else args.url + "/"
if not url.startswith("https://"):
    parser.error(f"--url {url}: Word loads add-ins over HTTPS only")

shutil.rmtree(out, ignore_errors=True)
out.mkdir(parents=True)
for name in SHARED:
    (shutil.copytree if (site / name).is_dir() else shutil.copy)(site / name, out / name)
for name in OWN:
    shutil.copy(pane / name, out / name)

assets = out / "assets"
assets.mkdir()
for size in ICON_SIZES:
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(assets / f"icon-{size}.png"),
                    str(site / "icon.svg")], check=True)

manifest = (pane / "manifest.xml").read_text(encoding="utf-8")
(out / "manifest.xml").write_text(manifest.replace("@URL@", escape(url, {'"': "&quot;"})), encoding="utf-8")
