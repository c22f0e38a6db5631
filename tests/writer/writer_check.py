"""Drives pelvaron.oxt in a real headless Writer over Python-UNO (Debian python3-uno).

Each case dispatches a vnd.pelvaron: command into a new document and compares what Writer
then holds with LibreOffice's reading of the .docx `pelvaron insert` writes for the same
request, and with `pelvaron insert --format text`: the same characters in the same
paragraphs, direction, adjustment, the complex font and the sizes per character. Then one
Undo must take the whole insertion away. Failure cases check the message the extension
logged, what the document keeps and that LibreOffice still answers.

Usage: writer_check.py WORK PELVARON [SOFFICE-PREFIX...]; WORK holds the profile with the
extension added, `data` (a symlink the cases point at a pack), `packs/*`.
"""
import os
import subprocess
import sys

import uno

from office import Office, prop

WORK, PELVARON, PREFIX = sys.argv[1], sys.argv[2], sys.argv[3:]
ADJUST_BLOCK, ADJUST_CENTER, RL_TB = 2, 3, 1
ITALIC = uno.Enum("com.sun.star.awt.FontSlant", "ITALIC")
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


office = Office(WORK, PREFIX)
PACKS = office.packs


def run_command(command, script=""):
    doc = office.new_document()
    messages, seconds = office.dispatch(doc, command, script)
    return doc, messages, seconds


def is_arabic(c):
    o = ord(c)
    return 0x0600 <= o <= 0x06FF or 0x08A0 <= o <= 0x08FF or 0xFB50 <= o <= 0xFDFF or 0xFE70 <= o <= 0xFEFF


def read(doc):
    """Paragraphs as (text, rtl, adjust, per-character (complex font, size) or (size, italic)) tuples."""
    paragraphs = []
    enum = doc.Text.createEnumeration()
    while enum.hasMoreElements():
        para = enum.nextElement()
        if not para.supportsService("com.sun.star.text.Paragraph"):
            continue
        chars = []
        portions = para.createEnumeration()
        while portions.hasMoreElements():
            portion = portions.nextElement()
            for c in portion.getString():
                if c.isspace():
                    chars.append((c,))
                elif is_arabic(c):
                    chars.append((c, portion.CharFontNameComplex, portion.CharHeightComplex))
                else:
                    chars.append((c, portion.CharHeight, portion.CharPosture == ITALIC))
        text = para.getString()
        paragraphs.append((text, para.WritingMode == RL_TB, para.ParaAdjust, tuple(chars)) if text else ("",))
    return paragraphs


def expected(args, pack):
    app = ["--app-path", os.path.join(PACKS, pack)]
    text = subprocess.run([PELVARON, "insert", *app, *args, "--format", "text"], check=True,
                          capture_output=True, text=True).stdout
    docx = os.path.join(WORK, "expected.docx")
    subprocess.run([PELVARON, "insert", *app, *args, "-o", docx], check=True)
    model = office.desktop.loadComponentFromURL(uno.systemPathToFileUrl(docx), "_blank", 0, (prop("Hidden", True),))
    paragraphs = read(model)
    model.close(True)
    return text.split("\n")[:-1], paragraphs


# What the extension must type: (command, dialog script, pelvaron insert arguments, pack).
FATIHAH = ["--surah", "1", "--first", "1", "--last", "7"]
BAQARAH_1_5 = ["--surah", "2", "--first", "1", "--last", "5", "--line-per-verse"]
CASES = [
    ("Insert?surah=1&first=1&last=7&mode=all", "", FATIHAH + ["--mode", "all"], "default"),
    ("Insert?surah=1&first=1&last=7&mode=arabic", "", FATIHAH + ["--mode", "arabic"], "default"),
    ("Insert?surah=1&first=1&last=7&mode=translation", "", FATIHAH + ["--mode", "translation"], "default"),
    ("Insert?surah=2&first=1&last=5&mode=all&linePerVerse=1", "", BAQARAH_1_5 + ["--mode", "all"], "default"),
    ("Insert?surah=2&first=255&last=255&mode=translation&cite=qs", "",
     ["--surah", "2", "--first", "255", "--last", "255", "--mode", "translation", "--cite", "qs"], "default"),
    ("GetAll", "surah select 0\nfrom select 0\nto select 6\nok\n", FATIHAH + ["--mode", "all"], "default"),
    ("GetAyat", "surah select 1\nfrom select 0\nto select 4\ncheck 1\nok\n", BAQARAH_1_5 + ["--mode", "arabic"],
     "default"),
    ("GetTerjemah", "surah select 0\nfrom select 2\nto select 2\nok\n",
     ["--surah", "1", "--first", "3", "--last", "5", "--mode", "translation"], "default"),
    # Cari Ayat: Enter searches, the first result with a citation style, Sisipkan inserts.
    ("CariAyat", "search query ayat kursi\nsearch pick 0\nsearch cite qs\nsearch mode all\nsearch insert\nsearch state\n",
     ["--surah", "2", "--first", "255", "--last", "255", "--mode", "all", "--cite", "qs"], "default"),
    ("CariAyat",
     "search query 112:1-4\nsearch pick 0\nsearch cite short\nsearch mode translation\nsearch insert\nsearch state\n",
     ["--surah", "112", "--first", "1", "--last", "4", "--mode", "translation", "--cite", "short"], "default"),
    ("Insert?surah=2&first=1&last=12&mode=translation", "",
     ["--surah", "2", "--first", "1", "--last", "12", "--mode", "translation"], "notes"),
    ("Insert?surah=112&first=1&last=4&mode=all&latin=1&perVerse=1", "",
     ["--surah", "112", "--first", "1", "--last", "4", "--mode", "all", "--latin", "--per-verse"], "default"),
    ("Insert?surah=1&first=1&last=7&mode=latin&cite=short", "",
     FATIHAH + ["--mode", "latin", "--cite", "short"], "default"),
    # Across surahs: the headings, the basmala (none before At-Taubah), the citation.
    ("Insert?juz=30&mode=arabic", "", ["--juz", "30", "--mode", "arabic"], "default"),
    ("Insert?page=604&mode=all&cite=qs", "", ["--page", "604", "--mode", "all", "--cite", "qs"], "default"),
    ("Insert?from=8:75&to=9:2&mode=translation", "", ["--from", "8:75", "--to", "9:2", "--mode", "translation"],
     "default"),
]

for command, script, args, pack in CASES:
    office.use_pack(pack)
    lines, want = expected(args, pack)
    doc, messages, _ = run_command(command, script)
    got = read(doc)
    name = command.split("&linePerVerse")[0] + (" [%s pack]" % pack if pack != "default" else "")
    if command == "CariAyat":  # the form's state after Sisipkan: closed
        check(messages == ["State loaded=0"], "%s %s: inserted and closed (%s)" % (name, args[1], messages))
        messages = []
    check(messages == [], "%s: no message (%s)" % (name, messages))
    check([p[0] for p in got] == lines, "%s: the paragraphs of pelvaron insert --format text%s" %
          (name, "" if [p[0] for p in got] == lines else ": %r" % [p[0][:12] for p in got]))
    check(got == want, "%s: direction, adjustment, fonts and sizes of the .docx model" % name)
    # The body: a surah's centred heading and basmala are held to the .docx model above.
    body = [p for p in got if len(p) == 1 or p[2] != ADJUST_CENTER]
    check(("--juz" in args or "--page" in args or "--from" in args) == (len(body) < len(got)),
          "%s: centred surah headings exactly across surahs" % name)
    arabic = [p for p in body if p[0] and is_arabic(p[0][0])]
    latin = [p for p in body if p[0] and not is_arabic(p[0][0])]
    # Latin-script characters are (size, italic): italic exactly in the Latin reading's paragraphs.
    lat = lambda c: len(c) == 3 and not is_arabic(c[0])
    readings = [p for p in latin if any(lat(c) and c[2] for c in p[3])]
    check(all(all(c[2] for c in p[3] if lat(c)) for p in readings)
          and len(readings) == (0 if not ("--latin" in args or "latin" in args) else int(args[5]) - int(args[3]) + 1),
          "%s: italic only and exactly in the Latin reading (%d paragraphs)" % (name, len(readings)))
    check(("arabic" in args or "all" in args) == bool(arabic)
          and all(p[1] and p[2] == ADJUST_BLOCK for p in arabic)
          and all(c[1] == "Amiri Quran" for p in arabic for c in p[3] if len(c) == 3 and is_arabic(c[0])),
          "%s: Arabic right to left, justified, in Amiri Quran" % name)
    check(all(c[1] == 10 for p in latin for c in p[3] if lat(c)), "%s: translation and Latin at 10 pt" % name)
    if pack == "notes":
        check(any("[" in p[0] for p in got), "%s: note markers and notes typed" % name)
    manager = doc.UndoManager
    check(manager.getCurrentUndoActionTitle() == "Al-Quran", "%s: the undo step is named Al-Quran" % name)
    manager.undo()
    check(doc.Text.getString() == "", "%s: one Undo takes it all away" % name)
    doc.close(True)

# Rujukan in the menu: kept in the extension's configuration and typed after the menu's
# insertions (the Insert URL names its own).
office.use_pack("default")
doc, messages, _ = run_command("Rujukan?cite=short")
doc.close(True)
settings = office.ctx.ServiceManager.createInstanceWithContext(
    "com.sun.star.configuration.ConfigurationProvider", office.ctx).createInstanceWithArguments(
    "com.sun.star.configuration.ConfigurationAccess", (prop("nodepath", "/org.pelvaron.writer.Settings"),))
check(messages == [] and settings.getByName("Rujukan") == "short", "Rujukan: the choice is kept in the configuration")
lines, want = expected(BAQARAH_1_5 + ["--mode", "arabic", "--cite", "short"], "default")
doc, messages, _ = run_command("GetAyat", "surah select 1\nfrom select 0\nto select 4\ncheck 1\nok\n")
got = read(doc)
check(messages == [] and [p[0] for p in got] == lines and got == want,
      "GetAyat after Rujukan (QS 2:255): what pelvaron insert --cite short types")
doc.close(True)
run_command("Rujukan?cite=none")[0].close(True)

# Latin and Per ayat in the menu: kept in the configuration and applied to the menu's insertions.
for command in ("Latin?on=1", "PerAyat?on=1"):
    run_command(command)[0].close(True)
settings = office.ctx.ServiceManager.createInstanceWithContext(
    "com.sun.star.configuration.ConfigurationProvider", office.ctx).createInstanceWithArguments(
    "com.sun.star.configuration.ConfigurationAccess", (prop("nodepath", "/org.pelvaron.writer.Settings"),))
check(settings.getByName("Latin") is True and settings.getByName("PerAyat") is True,
      "Latin and Per ayat: the choices are kept in the configuration")
IKHLAS = ["--surah", "112", "--first", "1", "--last", "4", "--mode", "arabic", "--latin", "--per-verse"]
lines, want = expected(IKHLAS, "default")
doc, messages, _ = run_command("GetAyat", "surah select 111\nfrom select 0\nto select 3\nok\n")
got = read(doc)
check(messages == [] and [p[0] for p in got] == lines and got == want,
      "GetAyat with Latin and Per ayat: what pelvaron insert --latin --per-verse types (%s)" % messages)
doc.close(True)
for command in ("Latin?on=0", "PerAyat?on=0"):
    run_command(command)[0].close(True)

# The About box opens and a click on it closes it.
office.use_pack("default")
doc, messages, _ = run_command("About", "about state\nabout click form\nabout state\n")
check(messages == ["About loaded=1", "About loaded=0"], "About: shown, closed by a click (%s)" % messages)
doc.close(True)

# The document closed under an open dialog: the next command opens it afresh and inserts.
office.use_pack("default")
doc, messages, _ = run_command("GetAll", "surah select 1\nstate\n")
doc.close(True)
doc, messages, _ = run_command("GetAyat", "state\nsurah select 0\nfrom select 0\nto select 0\nok\n")
check(messages[0].startswith('State loaded=1 surah="001. Al-Fatihah"') and len(messages) == 1
      and is_arabic(doc.Text.getString()[0]), "a dialog left open on a closed document comes back (%s)" % messages)
doc.close(True)

# Refusals and failures: the message, what the document keeps, LibreOffice still there.
FAILURES = [
    ("Insert?surah=1&first=1&last=8&mode=all", "default", 'MsgBox "Ayat tidak ada!!!" 64', False),
    ("GetAll", "default", 'MsgBox "Ayat tidak ada!!!" 64', False),
    ("Insert?surah=1&first=1&last=7&mode=all", "missing", "cannot read its Quran data", False),
    ("Insert?surah=1&first=1&last=7&mode=all", "empty-index", "surahindex.mtf", False),
    ("Insert?surah=1&first=1&last=7&mode=all", "folder-for-arabic", "AQO2.TXT", False),
    ("Insert?surah=1&first=1&last=7&mode=all", "cut-translation", "Ayat Per Kata", True),
    ("Insert?surah=1&first=1&last=7&mode=every", "default", "mode", False),
    ("Insert?surah=1&first=one&last=7&mode=all", "default", "first=one", False),
    ("Insert?surah=1&first=1&last=7&mode=all&style=apa", "default", "no parameter", False),
    ("Insert?surah=1&first=1&last=7&mode=all&latin=1", "no-latin", "latin.txt", False),
    ("Insert?surah=1&first=1&last=7&mode=all&perVerse=2", "default", "perVerse=2", False),
    ("Insert?surah=115&first=1&last=1&mode=all", "default", "surah 115", False),
    ("Insert?juz=31&mode=all", "default", "juz 31", False),
    ("Insert?juz=30&mode=all", "no-divisions", "divisions.txt", False),
    ("Insert?page=1&surah=1&first=1&last=7&mode=all", "default", "Insert takes", False),
    ("Insert?from=78:x&to=114:6&mode=all", "default", "from=78:x", False),
    ("Insert?from=1:1&to=1:8&mode=all", "default", 'MsgBox "Ayat tidak ada!!!" 64', False),
]
for command, pack, message, keeps_arabic in FAILURES:
    office.use_pack(pack)
    script = "surah select 0\nfrom select 3\nto text 9\nok\n" if command == "GetAll" else ""
    doc, messages, _ = run_command(command, script)
    text = doc.Text.getString()
    check(len(messages) == 1 and message in messages[0], "%s [%s]: message %s" % (command, pack, messages))
    check(bool(text) == keeps_arabic and (not text or is_arabic(text[0])),
          "%s [%s]: the document keeps %s" % (command, pack, "the Arabic typed" if keeps_arabic else "nothing"))
    doc.close(True)
check(office.new_document().Text is not None and office.process.poll() is None,
      "LibreOffice keeps running after the failures")

# The time to insert the whole of Al-Baqarah, reported, not asserted.
office.use_pack("default")
doc, messages, seconds = run_command("Insert?surah=2&first=1&last=286&mode=all")
print("Al-Baqarah 1-286, mode all: %.2f s in Writer, %d paragraphs" % (seconds, doc.Text.getString().count("\n") + 1))
# Its PDF: no line holds half a verse-end mark.
pdf = os.path.join(WORK, "al-baqarah.pdf")
doc.storeToURL(uno.systemPathToFileUrl(pdf), (prop("FilterName", "writer_pdf_Export"),))
doc.close(True)
subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, pdf + ".txt"], check=True)
split = subprocess.run(["node", os.path.join(os.path.dirname(__file__), "..", "docx", "expect_whole_verse_ends.js"),
                        pdf + ".txt", "surah 2 verses 1-286 from Writer"])
check(split.returncode == 0, "Al-Baqarah 1-286 from Writer: no verse-end mark split over two lines")

# A day of use in one LibreOffice: 100 insertions of 2:1-10 into one document and 20 dialogs
# opened and closed. The document holds exactly 100 times the first insertion; soffice's
# resident memory after them stays near where it stood after the 10th.
office.use_pack("default")
doc = office.new_document()
first, rss = "", {}
for n in range(1, 101):
    office.dispatch(doc, "Insert?surah=2&first=1&last=10&mode=all")
    if n == 1:
        first = doc.Text.getString()
    if n % 5 == 0:
        office.dispatch(doc, "GetAll", "state\nclose\n")
    if n in (10, 100):
        rss[n] = office.resident_kib()
print("Writer soak: resident %d KiB after 10 insertions, %d KiB after 100" % (rss[10], rss[100]))
check(first != "" and doc.Text.getString() == first * 100, "Writer soak: the document holds 100 insertions exactly")
check(rss[100] <= rss[10] + 32 * 1024, "Writer soak: resident memory grows by less than 32 MiB after the 10th")
doc.close(True)

office.close()
print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
