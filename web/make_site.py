#!/usr/bin/env python3
"""Assembles the page's static folder: the page, the engine, the data pack with a list of its
files, the Quran font as WOFF2 for the preview and as TrueType for the .docx, and a service
worker whose cache name changes whenever any of them does."""
import argparse
import hashlib
import json
import shutil
from pathlib import Path

from fontTools.ttLib import TTFont

parser = argparse.ArgumentParser()
for option in ("--out", "--static", "--engine", "--pack", "--font"):
    parser.add_argument(option, required=True)
args = parser.parse_args()

out = Path(args.out)
shutil.rmtree(out, ignore_errors=True)
shutil.copytree(args.static, out)
engine = Path(args.engine)
for name in (engine.name, engine.with_suffix(".wasm").name):
    shutil.copy(engine.parent / name, out / name)

pack = out / "DataQuran"
shutil.copytree(args.pack, pack)
names = sorted(p.name for p in pack.iterdir() if p.is_file())
(pack / "files.json").write_text(json.dumps(names, ensure_ascii=False) + "\n", encoding="utf-8")

fonts = out / "fonts"
fonts.mkdir()
shutil.copy(args.font, fonts / "AmiriQuran.ttf")
font = TTFont(args.font)
font.flavor = "woff2"
font.save(fonts / "AmiriQuran.woff2")

# Every file the page needs offline, for the service worker to cache at install.
files = sorted(str(p.relative_to(out)) for p in out.rglob("*") if p.is_file() and p.name != "sw.js")
digest = hashlib.sha256()
for name in files:
    digest.update(name.encode() + b"\0" + (out / name).read_bytes())
sw = out / "sw.js"
sw.write_text(sw.read_text(encoding="utf-8")
              .replace("@CACHE@", "pelvaron-" + digest.hexdigest()[:16])
              .replace("@FILES@", json.dumps(["./"] + [f for f in files if f != "index.html"], ensure_ascii=False)),
              encoding="utf-8")
