// The page: loads the engine and the pack, keeps the form, the address and the preview in
// step, and hands out the verse as rich text and as .docx. Everything stays in this browser.
import createEngine from "./engine.js";
import { formatAddress, parseAddress, partsOf } from "./address.js";

const $ = (id) => document.getElementById(id);
const STORAGE_KEY = "pelvaron.choices";  // the last parts, layout and citation, nothing else

let engine = null;
let surahs = [];
let current = null;  // the rendered request: { request, html, text }

function showMessage(text) {
  $("message").textContent = text || "";
  $("message").hidden = !text;
}

function vectorToArray(vector) {
  const out = [];
  for (let i = 0; i < vector.size(); i++) out.push(vector.get(i));
  vector.delete();
  return out;
}

async function loadEngine() {
  const [module, names] = await Promise.all([
    createEngine(),
    fetch("DataQuran/files.json").then((r) => r.json()),
  ]);
  const files = await Promise.all(
    names.map((name) => fetch("DataQuran/" + encodeURIComponent(name)).then((r) => r.arrayBuffer())));
  names.forEach((name, i) => module.putFile(name, new Uint8Array(files[i])));
  const failure = module.load();
  if (failure) throw new Error(failure);
  engine = module;
  surahs = vectorToArray(engine.surahs());
}

const surahLabel = (s) => `${s.number}. ${s.name}`;

// The surah the picker's text names: its number, "N. Name", or a name typed in part.
function surahOf(text) {
  const value = text.trim().toLowerCase();
  if (!value) return null;
  const number = /^(\d+)/.exec(value);
  if (number) return surahs[Number(number[1]) - 1] || null;
  return surahs.find((s) => s.name.toLowerCase() === value) ||
         surahs.find((s) => s.name.toLowerCase().startsWith(value)) ||
         surahs.find((s) => s.name.toLowerCase().includes(value)) || null;
}

function readForm() {
  const surah = surahOf($("surah").value);
  return {
    surah: surah ? surah.number : 0,
    first: Number($("first").value) || 0,
    last: Number($("last").value) || 0,
    arab: $("part-arab").checked,
    latin: $("part-latin").checked,
    terjemah: $("part-terjemah").checked,
    perVerse: $("layout-verse").checked,
    linePerVerse: $("line-per-verse").checked,
    cite: $("cite").value,
  };
}

function writeForm(choice) {
  const surah = surahs[choice.surah - 1];
  $("surah").value = surah ? surahLabel(surah) : String(choice.surah);
  $("first").value = choice.first;
  $("last").value = choice.last;
  if (surah) $("first").max = $("last").max = surah.verses;
  $("part-arab").checked = choice.arab;
  $("part-latin").checked = choice.latin;
  $("part-terjemah").checked = choice.terjemah;
  $(choice.perVerse ? "layout-verse" : "layout-block").checked = true;
  $("line-per-verse").checked = choice.linePerVerse;
  $("cite").value = choice.cite;
}

function requestOf(choice) {
  const parts = partsOf(choice);
  if (!parts) return null;
  return { surah: choice.surah, first: choice.first, last: choice.last, ...parts, perVerse: choice.perVerse,
           linePerVerse: choice.linePerVerse, cite: choice.cite };
}

function render(choice) {
  const request = requestOf(choice);
  const buttons = [$("copy"), $("download")];
  current = null;
  if (!request) {
    showMessage("Pilih sedikitnya satu bagian: Arab, Latin atau Terjemah.");
  } else if (!choice.surah) {
    showMessage("Surat tidak dikenal: ketik nama atau nomor 1–114.");
  } else {
    const t0 = performance.now();
    const out = engine.render(request);
    if (out.message) {
      showMessage(out.message);
    } else {
      showMessage("");
      $("preview").innerHTML = out.html;
      current = { request, html: out.html, text: out.text };
    }
    window.pelvaronLastRenderMs = performance.now() - t0;
  }
  if (!current) $("preview").replaceChildren();
  buttons.forEach((b) => { b.disabled = !current; });
}

function update({ fromAddress = false } = {}) {
  const choice = fromAddress ? parseAddress(location.hash) : readForm();
  if (!choice) return;
  if (fromAddress) writeForm(choice);
  else history.replaceState(null, "", formatAddress(choice));
  localStorage.setItem(STORAGE_KEY, JSON.stringify({ arab: choice.arab, latin: choice.latin, terjemah: choice.terjemah,
                                                     perVerse: choice.perVerse, linePerVerse: choice.linePerVerse,
                                                     cite: choice.cite }));
  render(choice);
}

function onSurahPicked() {
  const surah = surahOf($("surah").value);
  if (!surah) return update();
  $("surah").value = surahLabel(surah);
  $("first").value = 1;
  $("last").value = surah.verses;
  $("first").max = $("last").max = surah.verses;
  update();
}

function search(event) {
  event.preventDefault();
  const list = $("results");
  list.replaceChildren();
  const found = engine.find($("query").value, 20);
  const results = vectorToArray(found.results);
  if (found.message) return showMessage(found.message);
  showMessage("");
  for (const r of results) {
    const button = document.createElement("button");
    button.type = "button";
    const label = document.createElement("b");
    label.textContent = r.label;
    button.append(label, r.snippet);
    button.addEventListener("click", () => {
      location.hash = formatAddress({ ...readForm(), surah: r.surah, first: r.verse, last: r.lastVerse });
    });
    const item = document.createElement("li");
    item.append(button);
    list.append(item);
  }
}

async function copy() {
  if (!current) return;
  const item = new ClipboardItem({
    "text/html": new Blob([`<meta charset="utf-8">${current.html}`], { type: "text/html" }),
    "text/plain": new Blob([current.text], { type: "text/plain" }),
  });
  try {
    await navigator.clipboard.write([item]);
    $("status").textContent = "Tersalin. Tempel ke Word, LibreOffice atau Google Docs.";
  } catch (e) {
    showMessage("Tidak bisa menyalin: " + e.message);
  }
}

let fontBytes = null;
async function download() {
  if (!current) return;
  if (!fontBytes) {
    fontBytes = new Uint8Array(await (await fetch("fonts/AmiriQuran.ttf")).arrayBuffer());
    engine.setEmbeddedFont(fontBytes);
  }
  const bytes = engine.docx(current.request);
  if (typeof bytes === "string") return showMessage(bytes);
  const { surah, first, last } = current.request;
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], {
    type: "application/vnd.openxmlformats-officedocument.wordprocessingml.document" }));
  link.download = `al-quran-${surah}-${first}-${last}.docx`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function startingChoice() {
  const fromAddress = parseAddress(location.hash);
  if (fromAddress) return fromAddress;
  let saved = {};
  try { saved = JSON.parse(localStorage.getItem(STORAGE_KEY)) || {}; } catch { saved = {}; }
  return { surah: 1, first: 1, last: 7, arab: true, latin: false, terjemah: true, perVerse: false,
           linePerVerse: false, cite: "none", ...saved };
}

async function main() {
  try {
    await loadEngine();
  } catch (e) {
    $("status").textContent = "";
    return showMessage("Data tidak bisa dimuat: " + e.message);
  }
  $("surah-list").replaceChildren(...surahs.map((s) => {
    const option = document.createElement("option");
    option.value = surahLabel(s);
    option.label = `${s.verses} ayat`;
    return option;
  }));
  const choice = startingChoice();
  writeForm(choice);
  history.replaceState(null, "", formatAddress(choice));
  render(choice);

  $("surah").addEventListener("change", onSurahPicked);
  for (const id of ["first", "last", "part-arab", "part-latin", "part-terjemah", "layout-block", "layout-verse",
                    "line-per-verse", "cite"])
    $(id).addEventListener("change", () => update());
  $("search").addEventListener("submit", search);
  $("request").addEventListener("submit", (event) => event.preventDefault());
  $("copy").addEventListener("click", copy);
  $("download").addEventListener("click", download);
  window.addEventListener("hashchange", () => update({ fromAddress: true }));

  $("status").textContent = "Siap.";
  window.pelvaronReadyMs = performance.now();  // since navigation began
  document.documentElement.dataset.ready = "1";
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
}

main();
