// The engine as plain calls that return their result or throw an Error with the engine's message (the command line's words).
import createEngine from "./engine.js";

// Every engine entry point answers an object: its fields, or {message} alone when it failed.
function checked(answer) {
  if (typeof answer.message === "string") throw new Error(answer.message);
  return answer;
}

async function fetched(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  return response;
}

// The engine with the data pack in `pack` (a folder URL holding files.json and the files it
// lists) loaded. `font`: the Quran font's TrueType file, fetched for the first .docx, which
// carries it. A request is { surah, first, last, arab, latin, terjemah (the parts, booleans),
// perVerse, linePerVerse, cite: "none"|"qs"|"short"|"arabic" }.
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
    // { html, text }: the request as rich text and as `pelvaron insert --format text` writes it.
    render: (request) => {
      const { html, text } = checked(engine.render(request));
      return { html, text };
    },
    // The bytes `pelvaron insert --format docx` writes for the request.
    docx: async (request) => {
      fontLoaded ??= fetched(font).then(async (r) => {
        checked(engine.setEmbeddedFont(new Uint8Array(await r.arrayBuffer())));
      });
      await fontLoaded.catch((e) => { fontLoaded = null; throw e; });
      return checked(engine.docx(request)).bytes;
    },
    // The package `pelvaron insert --format ooxml` writes for the request, for Word's insertOoxml.
    ooxml: (request) => checked(engine.ooxml(request)).ooxml,
    // [{ label, surah, verse, lastVerse, snippet }] for what `pelvaron find` takes; nothing found throws.
    find: (query, limit) => checked(engine.find(query, limit)).results,
  };
}
