// The page: keeps the form, the address and the preview in step, and hands out the verse as
// rich text and as .docx. Everything stays in this browser; the engine decides, the page shows.
import { loadPelvaron } from "./pelvaron.js";
import { formatAddress, parseAddress } from "./address.js";

const $ = (id) => document.getElementById(id);
const STORAGE_KEY = "pelvaron.choices";  // the last parts, layout and citation, nothing else

let pelvaron = null;
let surahs = [];
let current = null;  // the rendered request: { request, html, text }

function showMessage(text) {
  $("message").textContent = text || "";
  $("message").hidden = !text;
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

function render(choice) {
  current = null;
  if (!choice.surah) {
    showMessage("Surat tidak dikenal: ketik nama atau nomor 1–114.");
  } else {
    const t0 = performance.now();
    try {
      const { html, text } = pelvaron.render(choice);
      showMessage("");
      $("preview").innerHTML = html;
      current = { request: choice, html, text };
    } catch (e) {
      showMessage(e.message);
    }
    window.pelvaronLastRenderMs = performance.now() - t0;
  }
  if (!current) $("preview").replaceChildren();
  [$("copy"), $("download")].forEach((b) => { b.disabled = !current; });
}

// What the page shows with no address: Al-Fatihah with the last parts, layout and citation.
function firstView() {
  let saved = {};
  try { saved = JSON.parse(localStorage.getItem(STORAGE_KEY)) || {}; } catch { saved = {}; }
  return { surah: 1, first: 1, last: 7, arab: true, latin: false, terjemah: true, perVerse: false,
           linePerVerse: false, cite: "none", ...saved };
}

// The address's choice; the first view when there is none, or when it is malformed (and why).
function addressChoice() {
  try {
    return { choice: parseAddress(location.hash) || firstView(), note: "" };
  } catch (e) {
    return { choice: firstView(), note: e.message };
  }
}

function show(choice, note = "") {
  writeForm(choice);
  history.replaceState(null, "", formatAddress(choice));
  render(choice);
  if (note) showMessage(note);
}

function save(choice) {
  const { arab, latin, terjemah, perVerse, linePerVerse, cite } = choice;
  localStorage.setItem(STORAGE_KEY, JSON.stringify({ arab, latin, terjemah, perVerse, linePerVerse, cite }));
}

function onFormChanged() {
  const choice = readForm();
  history.replaceState(null, "", formatAddress(choice));
  save(choice);
  render(choice);
}

function onAddressChanged() {
  const { choice, note } = addressChoice();
  save(choice);
  show(choice, note);
}

function onSurahPicked() {
  const surah = surahOf($("surah").value);
  if (surah) {
    $("surah").value = surahLabel(surah);
    $("first").value = 1;
    $("last").value = surah.verses;
    $("first").max = $("last").max = surah.verses;
  }
  onFormChanged();
}

function resultButton(r) {
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
  return item;
}

function search(event) {
  event.preventDefault();
  $("results").replaceChildren();
  try {
    $("results").append(...pelvaron.find($("query").value, 20).map(resultButton));
    showMessage("");
  } catch (e) {
    showMessage(e.message);
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

async function download() {
  if (!current) return;
  const { request } = current;
  let bytes;
  try {
    bytes = await pelvaron.docx(request);
  } catch (e) {
    return showMessage(e.message);
  }
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], {
    type: "application/vnd.openxmlformats-officedocument.wordprocessingml.document" }));
  link.download = `al-quran-${request.surah}-${request.first}-${request.last}.docx`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function main() {
  try {
    pelvaron = await loadPelvaron({ pack: "DataQuran/", font: "fonts/AmiriQuran.ttf" });
    surahs = pelvaron.surahs();
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
  const { choice, note } = addressChoice();
  show(choice, note);

  $("surah").addEventListener("change", onSurahPicked);
  for (const id of ["first", "last", "part-arab", "part-latin", "part-terjemah", "layout-block", "layout-verse",
                    "line-per-verse", "cite"])
    $(id).addEventListener("change", onFormChanged);
  $("search").addEventListener("submit", search);
  $("request").addEventListener("submit", (event) => event.preventDefault());
  $("copy").addEventListener("click", copy);
  $("download").addEventListener("click", download);
  window.addEventListener("hashchange", onAddressChanged);

  $("status").textContent = "Siap.";
  window.pelvaronReadyMs = performance.now();  // since navigation began
  document.documentElement.dataset.ready = "1";
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
}

main();
