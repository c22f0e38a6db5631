// The task pane: the web page's engine and form in a narrow column, and one button that puts
// the verses at Word's selection as OOXML. Outside Word it says so and offers the copy and
// the .docx, as the web page does.
import createEngine from "./engine.js";
import { parseAddress, partsOf } from "./address.js";
import { FORM_CONTROLS, fillSurahList, readForm, takeSurahPicked, writeForm } from "./form.js";
import { copyRendered, downloadDocx } from "./handout.js";
import { loadChoices, saveChoices } from "./choices.js";
import { canInsert, hasFont, insertAtSelection, officeHost, refusalMessage } from "./word.js";

const $ = (/** @type {string} */ id) => /** @type {HTMLInputElement} */ (document.getElementById(id));
const QURAN_FONT = "Amiri Quran";
const LONG_RANGE = 50;  // verses past which the insertion shows progress and can be cancelled
const CANCEL_WINDOW_MS = 800;
const OFFICE_WAIT_MS = 15000;  // Word readies office.js in a second or two; past this the pane is not in Word
const FIRST_CHOICE = { surah: 1, first: 1, last: 7, arab: true, latin: false, terjemah: true, perVerse: false,
                       linePerVerse: false, cite: "none" };

/** @type {any} */ let engine = null;
/** @type {any[]} */ let surahs = [];
/** @type {{ request: any, html: string, text: string } | null} */ let current = null;
let inWord = false;
let cancelled = false;

function showMessage(/** @type {string} */ text) {
  $("message").textContent = text || "";
  $("message").hidden = !text;
}

const setStatus = (/** @type {string} */ text) => { $("status").textContent = text; };

function vectorToArray(/** @type {any} */ vector) {
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
  const files = await Promise.all(/** @type {string[]} */ (names).map(
    (name) => fetch("DataQuran/" + encodeURIComponent(name)).then((r) => r.arrayBuffer())));
  names.forEach((/** @type {string} */ name, /** @type {number} */ i) => module.putFile(name, new Uint8Array(files[i])));
  const failure = module.load();
  if (failure) throw new Error(failure);
  engine = module;
  surahs = vectorToArray(engine.surahs());
}

function requestOf(/** @type {any} */ choice) {
  const parts = partsOf(choice);
  if (!parts || !choice.surah) return null;
  return { surah: choice.surah, first: choice.first, last: choice.last, ...parts, perVerse: choice.perVerse,
           linePerVerse: choice.linePerVerse, cite: choice.cite };
}

function render(/** @type {any} */ choice) {
  const request = requestOf(choice);
  current = null;
  if (!partsOf(choice)) showMessage("Pilih sedikitnya satu bagian: Arab, Latin atau Terjemah.");
  else if (!request) showMessage("Surat tidak dikenal: ketik nama atau nomor 1–114.");
  else {
    const out = engine.render(request);
    showMessage(out.message);
    if (!out.message) current = { request, html: out.html, text: out.text };
  }
  if (current) $("preview").innerHTML = current.html;
  else $("preview").replaceChildren();
  for (const id of ["insert", "copy", "download"]) $(id).disabled = !current;
  $("insert").disabled = !current || !inWord;
}

function update() {
  const choice = readForm(surahs);
  saveChoices(choice);
  render(choice);
}

function onSurahPicked() {
  takeSurahPicked(surahs);
  update();
}

function showResults(/** @type {any[]} */ results) {
  $("results").replaceChildren(...results.map((r) => {
    const button = document.createElement("button");
    button.type = "button";
    const label = document.createElement("b");
    label.textContent = r.label;
    button.append(label, r.snippet);
    button.addEventListener("click", () => {
      writeForm(surahs, { ...readForm(surahs), surah: r.surah, first: r.verse, last: r.lastVerse });
      update();
    });
    const item = document.createElement("li");
    item.append(button);
    return item;
  }));
}

function search(/** @type {Event} */ event) {
  event.preventDefault();
  const found = engine.find($("query").value, 20);
  const results = vectorToArray(found.results);
  showMessage(found.message);
  showResults(results);
}

const pause = (/** @type {number} */ ms) => new Promise((done) => setTimeout(done, ms));

function showProgress(/** @type {boolean} */ on) {
  $("progress").hidden = !on;
  $("insert").disabled = on || !current;
}

/** The package for the shown request, or null (the message is shown) when it cannot be made. */
async function preparePackage(/** @type {any} */ request, /** @type {boolean} */ long) {
  if (long) {
    showProgress(true);
    setStatus(`Menyiapkan ${request.last - request.first + 1} ayat…`);
    await pause(0);  // the progress is painted before the engine works
  }
  const t0 = performance.now();
  const out = engine.ooxml(request);
  document.documentElement.dataset.ooxmlMs = (performance.now() - t0).toFixed(0);
  if (out.message) return showMessage(out.message), null;
  if (long) {
    setStatus("Siap dikirim ke Word. Tekan Batal untuk membatalkan.");
    await pause(CANCEL_WINDOW_MS);
  }
  return cancelled ? null : out.ooxml;
}

async function insert(/** @type {Event} */ event) {
  event.preventDefault();
  if (!current || !inWord || !$("progress").hidden) return;
  const request = current.request;
  cancelled = false;
  showMessage("");
  try {
    const ooxml = await preparePackage(request, request.last - request.first + 1 > LONG_RANGE);
    if (cancelled) return setStatus("Dibatalkan: tidak ada yang disisipkan.");
    if (!ooxml) return setStatus("");
    setStatus("Menyisipkan…");
    await insertAtSelection(ooxml);
    setStatus(`Tersisip: QS ${request.surah}:${request.first}–${request.last}.`);
  } catch (e) {
    setStatus("");
    showMessage(refusalMessage(/** @type {any} */ (e)));
  } finally {
    showProgress(false);
  }
}

async function copy() {
  if (!current) return;
  try {
    await copyRendered(current);
    setStatus("Tersalin. Tempel ke dokumen Anda.");
  } catch (e) {
    showMessage("Tidak bisa menyalin: " + /** @type {Error} */ (e).message);
  }
}

async function download() {
  if (current) showMessage(await downloadDocx(engine, current.request));
}

/** The request in the pane's address, else the last choices, else Al-Fatihah. */
function startingChoice() {
  return parseAddress(location.hash) || { ...FIRST_CHOICE, ...(loadChoices() || {}) };
}

async function checkFont() {
  try {
    if ((await hasFont(QURAN_FONT)) === false) $("font-notice").hidden = false;
  } catch {
    // Word could not list its fonts: nothing to say
  }
}

function wire() {
  $("surah").addEventListener("change", onSurahPicked);
  for (const id of FORM_CONTROLS) $(id).addEventListener("change", update);
  $("search").addEventListener("submit", search);
  $("request").addEventListener("submit", insert);
  $("cancel").addEventListener("click", () => { cancelled = true; });
  $("copy").addEventListener("click", copy);
  $("download").addEventListener("click", download);
}

async function main() {
  try {
    const [host] = await Promise.all([officeHost(OFFICE_WAIT_MS), loadEngine()]);
    inWord = host === "Word" && canInsert();
  } catch (e) {
    setStatus("");
    return showMessage("Data tidak bisa dimuat: " + /** @type {Error} */ (e).message);
  }
  $("outside").hidden = inWord;
  $("insert").hidden = !inWord;
  fillSurahList(surahs);
  const choice = startingChoice();
  writeForm(surahs, choice);
  render(choice);
  wire();
  if (inWord) checkFont();
  setStatus("Siap.");
  document.documentElement.dataset.readyMs = performance.now().toFixed(0);  // since navigation began
  document.documentElement.dataset.ready = "1";
}

main();
