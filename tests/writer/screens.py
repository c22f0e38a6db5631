"""Writer on a virtual display (Xvfb), on a system without the Quran font (FONTCONFIG_FILE
names a configuration without it): the font the extension carries becomes usable; the
Al-Quran menu as LibreOffice's accessibility tree
shows it, opened by a real mouse click (xdotool); the verse dialog; a page with Al-Fatihah.
Screenshots go to OUT (menu.png, tooltip.png, dialog.png, about.png, page.png).

Usage: screens.py WORK OUT [SOFFICE-PREFIX...]
"""
import html
import json
import os
import re
import subprocess
import sys
import time

import uno

from office import Office

WORK, OUT, PREFIX = sys.argv[1], sys.argv[2], sys.argv[3:]
MENU, MENU_BAR, TOOL_BAR = (uno.getConstantByName("com.sun.star.accessibility.AccessibleRole." + role)
                            for role in ("MENU", "MENU_BAR", "TOOL_BAR"))
WORD_MENU = ["Get All", "Get Ayat", "Get Terjemah", "About", "Cari Ayat"]
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def find(context, role, name=None, depth=0):
    if context.getAccessibleRole() == role and (name is None or context.getAccessibleName() == name):
        return context
    if depth > 6:
        return None
    for i in range(context.getAccessibleChildCount()):
        child = context.getAccessibleChild(i)
        found = child and find(child.getAccessibleContext(), role, name, depth + 1)
        if found:
            return found
    return None


def settle(seconds=1.5):
    time.sleep(seconds)


def shoot(name):
    subprocess.run(["import", "-window", "root", os.path.join(OUT, name)], check=True)


office = Office(WORK, PREFIX, headless=False, env={"FONTCONFIG_FILE": os.path.join(WORK, "fonts.conf")})
office.use_pack("default")
check(not office.has_font("Amiri Quran"), "LibreOffice starts without Amiri Quran")
doc = office.new_document()
window = doc.CurrentController.Frame.ContainerWindow
window.setPosSize(0, 0, 1024, 768, 15)
settle(3)

bar = find(window.getAccessibleContext(), MENU_BAR)
check(bar is not None, "Writer has a menu bar")
menu = bar and find(bar, MENU, "Al-Quran")
check(menu is not None, "the menu bar has Al-Quran")
if menu:
    where, size = menu.getLocationOnScreen(), menu.getSize()
    subprocess.run(["xdotool", "mousemove", str(where.X + size.Width // 2), str(where.Y + size.Height // 2),
                    "click", "1"], check=True)
    settle()
    items = [menu.getAccessibleChild(i).getAccessibleContext().getAccessibleName()
             for i in range(menu.getAccessibleChildCount())]
    check(items == WORD_MENU + ["Rujukan", "Latin", "Per ayat"],
          "Al-Quran holds the Word menu's commands in its order, then Rujukan, Latin, Per ayat: %s" % items)
    shoot("menu.png")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    settle()

# LibreOffice's command descriptions carry the Word menu's tooltips (shown where a command
# is placed on one of Writer's own toolbars; an add-on toolbar shows the caption instead).
TOOLTIPS = ["Get Ayat, terjemah & Note ", "Get Ayat", "Get Terjemah", "About",
            "Cari ayat dari kata, nama surat atau rujukan"]
commands = office.ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.UICommandDescription",
                                                               office.ctx).getByName("com.sun.star.text.TextDocument")
described = [{p.Name: p.Value for p in commands.getByName("vnd.pelvaron:" + c)}
             for c in ("GetAll", "GetAyat", "GetTerjemah", "About", "CariAyat")]
check([(d.get("Label"), d.get("TooltipLabel")) for d in described] == list(zip(WORD_MENU, TOOLTIPS)),
      "the commands' labels and tooltips are the Word menu's")

# The toolbar has the same buttons; the pointer resting on the first shows its tooltip.
toolbar = find(window.getAccessibleContext(), TOOL_BAR, "Al-Quran")
check(toolbar is not None, "Writer has the Al-Quran toolbar")
if toolbar:
    buttons = [toolbar.getAccessibleChild(i).getAccessibleContext() for i in range(toolbar.getAccessibleChildCount())]
    # An add-on toolbar's tooltip is its item's title: Word's ribbon screentips, in its order.
    ribbon = open(os.path.join(os.path.dirname(__file__), "..", "..", "addin", "ribbon.xml"), encoding="utf-8").read()
    tips = [html.unescape(t) for t in re.findall(r'<button [^>]*?screentip="([^"]*)"', ribbon)]
    names = [b.getAccessibleName() for b in buttons]
    check(names == tips, "its tooltips are the Word ribbon's screentips: %s" % names)
    where, size = buttons[0].getLocationOnScreen(), buttons[0].getSize()
    subprocess.run(["xdotool", "mousemove", str(where.X + size.Width // 2), str(where.Y + size.Height // 2)],
                   check=True)
    settle(3)
    shoot("tooltip.png")
    subprocess.run(["xdotool", "mousemove", "500", "500"], check=True)

# The dialog as the user finds it after Get All and picking Al-Fatihah 1 to 7.
office.dispatch(doc, "GetAll", "surah select 0\nfrom select 0\nto select 6\nstate\n")
settle()
shoot("dialog.png")
office.dispatch(doc, "About")
settle()
shoot("about.png")
# Every label of the About box fits its box (the layout's width, from the extension's log)
# in AWT's metrics of the label's own window: the size its caption needs in its font.
labels, _ = office.dispatch(doc, "About", "about labels\n")
toolkit = office.ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", office.ctx)
FIXED_TEXT = uno.getTypeByName("com.sun.star.awt.XFixedText")
about = [w for w in (toolkit.getTopWindow(i) for i in range(toolkit.getTopWindowCount()))
         if getattr(w, "getTitle", lambda: "")() == " " * 15 + "About"]
windows = [w for w in (about[0].getWindows() if about else ()) if w.queryInterface(FIXED_TEXT) and w.getText()]
check(len(about) == 1 and len(labels) == 9 and len(windows) == 9, "the About box shows nine labels: %s" % labels)
for line in labels:
    fields = dict(re.findall(r'(\w+)=("(?:[^"\\]|\\.)*"|\S+)', line))
    caption, box = json.loads(fields["caption"]), int(fields["box"])
    window = next((w for w in windows if w.getText() == caption), None)
    windows = [w for w in windows if w is not window]
    width = window.getMinimumSize().Width if window else 0
    print("LABEL: %r %s %s pt: %d of %d pixels" % (caption, json.loads(fields["font"]), fields["height"], width, box))
    check(0 < width <= box, "About label %r fits its %d pixels: %d" % (caption, box, width))
messages, _ = office.dispatch(doc, "GetAll", "about click form\nok\n")
check(messages == [] and doc.Text.getString() != "", "OK in the shown dialog inserts")
check(office.has_font("Amiri Quran"), "the extension's Amiri Quran is usable after the first command")
settle()
shoot("page.png")
office.close()
print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
