// The engine as plain calls that return their result or throw an Error with the engine's message (the command line's words).
import createEngine from "./engine.js";

// Every engine entry point answers an object: its fields, or {message} alone when it failed.
function checked(answer) {
  if (typeof answer.message === "string") throw new Error(answer.message);
  return answer;
}

// The engine wants every field; a request naming no juz, page or last surah asks for none.
const full = (request) => ({ toSurah: 0, juz: 0, page: 0, ...request });

async function fetched(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  return response;
}

// The engine with the data pack in `pack` (a folder URL holding files.json and the files it
// lists) loaded. `font`: the Quran font's TrueType file, fetched for the first .docx, which
// carries it. A request is { surah, first, last, toSurah, juz, page, arab, latin, terjemah (the
// parts, booleans), perVerse, linePerVerse, cite: "none"|"qs"|"short"|"arabic" }: a juz or page
// of the mushaf when `juz` or `page` is not 0, else surah:first to toSurah:last (toSurah 0:
// within the surah).
export async function loadPelvaron({ pack = "DataQuran/", font = "fonts/AmiriQuran.ttf" } = {}) {
  const [engine, names] = await Promise.all([createEngine(), fetched(pack + "files.json").then((r) => r.json())]);
  const files = await Promise.all(
    names.map((name) => fetched(pack + encodeURIComponent(name)).then((r) => r.arrayBuffer())));
  names.forEach((name, i) => checked(engine.putFile(name, new Uint8Array(files[i]))));
  checked(engine.load());
  let fontLoaded = null;
  return {
    // [{ number, name, verses }] for the 114 surahs.
    surahs: () => checked(engine.surahs()).surahs,
    // { juz, pages }: how many of each the mushaf has.
    divisions: () => {
      const { juz, pages } = checked(engine.divisions());
      return { juz, pages };
    },
    // { html, text, verses, name }: the request as rich text and as `pelvaron insert --format
    // text` writes it, its number of verses and its name ("Al-Quran 78:1–114:6").
    render: (request) => {
      const { html, text, verses, name } = checked(engine.render(full(request)));
      return { html, text, verses, name };
    },
    // The bytes `pelvaron insert --format docx` writes for the request.
    docx: async (request) => {
      fontLoaded ??= fetched(font).then(async (r) => {
        checked(engine.setEmbeddedFont(new Uint8Array(await r.arrayBuffer())));
      });
      await fontLoaded.catch((e) => { fontLoaded = null; throw e; });
      return checked(engine.docx(full(request))).bytes;
    },
    // The package `pelvaron insert --format ooxml` writes for the request, for Word's insertOoxml.
    ooxml: (request) => checked(engine.ooxml(full(request))).ooxml,
    // [{ label, surah, verse, lastVerse, snippet }] for what `pelvaron find` takes; nothing found throws.
    find: (query, limit) => checked(engine.find(query, limit)).results,
  };
}
