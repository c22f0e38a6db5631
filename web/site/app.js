// The page: keeps the form, the address and the preview in step, and hands out the verse as
// rich text and as .docx. Everything stays in this browser; the engine decides, the page shows.
import { loadPelvaron } from "./pelvaron.js";
import { formatAddress, parseAddress } from "./address.js";
import { FORM_CONTROLS, emptyChoiceMessage, fillDivisionPickers, fillSurahList, readForm, resultItem, showScope,
         takeLastSurahPicked, takeSurahPicked, writeForm } from "./form.js";
import { copyRendered, downloadDocx } from "./handout.js";

const $ = (id) => document.getElementById(id);
const STORAGE_KEY = "pelvaron.choices";  // the last parts, layout and citation, nothing else

let pelvaron = null;
let surahs = [];
let counts = { juz: 0, pages: 0 };  // the mushaf's juz and pages, from the engine
let current = null;  // the rendered request: { request, html, text }

function showMessage(text) {
  $("message").textContent = text || "";
  $("message").hidden = !text;
}

function render(choice) {
  current = null;
  const unknown = emptyChoiceMessage(choice, counts);
  if (unknown) {
    showMessage(unknown);
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
  return { surah: 1, first: 1, last: 7, toSurah: 0, juz: 0, page: 0, arab: true, latin: false, terjemah: true, perVerse: false,
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
  writeForm(surahs, choice);
  history.replaceState(null, "", formatAddress(choice));
  render(choice);
  if (note) showMessage(note);
}

function save(choice) {
  const { arab, latin, terjemah, perVerse, linePerVerse, cite } = choice;
  localStorage.setItem(STORAGE_KEY, JSON.stringify({ arab, latin, terjemah, perVerse, linePerVerse, cite }));
}

function onFormChanged() {
  const choice = readForm(surahs);
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
  takeSurahPicked(surahs);
  onFormChanged();
}

function onScopeChanged() {
  showScope(surahs);
  onFormChanged();
}

function resultButton(r) {
  return resultItem(surahs, r, (choice) => {
    location.hash = formatAddress(choice);
  });
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
  try {
    await copyRendered(current);
    $("status").textContent = "Tersalin. Tempel ke Word, LibreOffice atau Google Docs.";
  } catch (e) {
    showMessage("Tidak bisa menyalin: " + e.message);
  }
}

async function download() {
  if (!current) return;
  try {
    const t0 = performance.now();
    await downloadDocx(pelvaron, current.request);
    window.pelvaronLastDocxMs = performance.now() - t0;  // the engine's .docx and the download's start
  } catch (e) {
    showMessage(e.message);
  }
}

async function main() {
  try {
    pelvaron = await loadPelvaron({ pack: "DataQuran/", font: "fonts/AmiriQuran.ttf" });
    surahs = pelvaron.surahs();
    counts = pelvaron.divisions();
  } catch (e) {
    $("status").textContent = "";
    return showMessage("Data tidak bisa dimuat: " + e.message);
  }
  fillSurahList(surahs);
  fillDivisionPickers(counts);
  const { choice, note } = addressChoice();
  show(choice, note);

  $("surah").addEventListener("change", onSurahPicked);
  $("to-surah").addEventListener("change", () => {
    takeLastSurahPicked(surahs);
    onFormChanged();
  });
  $("scope").addEventListener("change", onScopeChanged);
  for (const id of FORM_CONTROLS) $(id).addEventListener("change", onFormChanged);
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
