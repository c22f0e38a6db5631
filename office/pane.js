// The task pane: the web page's engine and form in a narrow column, and one button that puts
// the verses at Word's selection as OOXML. Outside Word it says so and offers the copy and
// the .docx, as the web page does.
import { loadPelvaron } from "./pelvaron.js";
import { parseAddress } from "./address.js";
import { FORM_CONTROLS, emptyChoiceMessage, fillDivisionPickers, fillSurahList, readForm, resultItem, showScope,
         takeLastSurahPicked, takeSurahPicked, writeForm } from "./form.js";
import { copyRendered, downloadDocx } from "./handout.js";
import { loadChoices, saveChoices } from "./choices.js";
import { canInsert, hasFont, insertAtSelection, officeHost, refusalMessage } from "./word.js";

const $ = (/** @type {string} */ id) => /** @type {HTMLInputElement} */ (document.getElementById(id));
const QURAN_FONT = "Amiri Quran";
const LONG_RANGE = 50;  // verses past which the insertion shows progress and can be cancelled
const CANCEL_WINDOW_MS = 800;
const OFFICE_WAIT_MS = 15000;  // Word readies office.js in a second or two; past this the pane is not in Word
const FIRST_CHOICE = { surah: 1, first: 1, last: 7, toSurah: 0, juz: 0, page: 0, arab: true, latin: false,
                       terjemah: true, perVerse: false, linePerVerse: false, cite: "none" };

/** @type {any} */ let pelvaron = null;
/** @type {any[]} */ let surahs = [];
let counts = { juz: 0, pages: 0 };  // the mushaf's juz and pages, from the engine
/** @type {{ request: any, html: string, text: string, verses: number, name: string } | null} */ let current = null;
let inWord = false;
let cancelled = false;

function showMessage(/** @type {string} */ text) {
  $("message").textContent = text || "";
  $("message").hidden = !text;
}

const setStatus = (/** @type {string} */ text) => { $("status").textContent = text; };

function render(/** @type {any} */ choice) {
  current = null;
  const unknown = emptyChoiceMessage(choice, counts);
  if (unknown) showMessage(unknown);
  else {
    try {
      showMessage("");
      current = { request: choice, ...pelvaron.render(choice) };
    } catch (e) {
      showMessage(/** @type {Error} */ (e).message);
    }
  }
  if (current) $("preview").innerHTML = current.html;
  else $("preview").replaceChildren();
  for (const id of ["copy", "download"]) $(id).disabled = !current;
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

function onScopeChanged() {
  showScope(surahs);
  update();
}

function showResults(/** @type {any[]} */ results) {
  $("results").replaceChildren(...results.map((r) => resultItem(surahs, r, (choice) => {
    writeForm(surahs, choice);
    update();
  })));
}

function search(/** @type {Event} */ event) {
  event.preventDefault();
  $("results").replaceChildren();
  try {
    showResults(pelvaron.find($("query").value, 20));
    showMessage("");
  } catch (e) {
    showMessage(/** @type {Error} */ (e).message);
  }
}

const pause = (/** @type {number} */ ms) => new Promise((done) => setTimeout(done, ms));

function showProgress(/** @type {boolean} */ on) {
  $("progress").hidden = !on;
  $("insert").disabled = on || !current;
}

/** The package for the request; a long range shows progress and waits a moment, so it can be cancelled. */
async function preparePackage(/** @type {any} */ request, /** @type {number} */ verses) {
  const long = verses > LONG_RANGE;
  if (long) {
    showProgress(true);
    setStatus(`Menyiapkan ${verses} ayat…`);
    await pause(0);  // the progress is painted before the engine works
  }
  const t0 = performance.now();
  const ooxml = pelvaron.ooxml(request);  // an Error with the engine's message is the caller's
  document.documentElement.dataset.ooxmlMs = (performance.now() - t0).toFixed(0);
  if (long) {
    setStatus("Siap dikirim ke Word. Tekan Batal untuk membatalkan.");
    await pause(CANCEL_WINDOW_MS);
  }
  return ooxml;
}

async function insert(/** @type {Event} */ event) {
  event.preventDefault();
  if (!current || !inWord || !$("progress").hidden) return;
  const { request, verses, name } = current;
  cancelled = false;
  showMessage("");
  try {
    const ooxml = await preparePackage(request, verses);
    if (cancelled) return setStatus("Dibatalkan: tidak ada yang disisipkan.");
    setStatus("Menyisipkan…");
    await insertAtSelection(ooxml);
    setStatus(`Tersisip: ${name}.`);
  } catch (e) {
    setStatus("");
    const error = /** @type {any} */ (e);
    showMessage(error.code ? refusalMessage(error) : error.message);  // Word's refusals carry a code
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
  if (!current) return;
  try {
    await downloadDocx(pelvaron, current.request);
  } catch (e) {
    showMessage(/** @type {Error} */ (e).message);
  }
}

/** The request in the pane's address, else the last choices, else Al-Fatihah; and why not the address. */
function startingChoice() {
  const fallback = { ...FIRST_CHOICE, ...(loadChoices() || {}) };
  try {
    return { choice: parseAddress(location.hash) || fallback, note: "" };
  } catch (e) {
    return { choice: fallback, note: /** @type {Error} */ (e).message };
  }
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
  $("to-surah").addEventListener("change", () => {
    takeLastSurahPicked(surahs);
    update();
  });
  $("scope").addEventListener("change", onScopeChanged);
  for (const id of FORM_CONTROLS) $(id).addEventListener("change", update);
  $("search").addEventListener("submit", search);
  $("request").addEventListener("submit", insert);
  $("cancel").addEventListener("click", () => { cancelled = true; });
  $("copy").addEventListener("click", copy);
  $("download").addEventListener("click", download);
}

async function main() {
  try {
    const [host, loaded] = await Promise.all([officeHost(OFFICE_WAIT_MS), loadPelvaron()]);
    pelvaron = loaded;
    surahs = pelvaron.surahs();
    counts = pelvaron.divisions();
    inWord = host === "Word" && canInsert();
  } catch (e) {
    setStatus("");
    return showMessage("Data tidak bisa dimuat: " + /** @type {Error} */ (e).message);
  }
  $("outside").hidden = inWord;
  $("insert").hidden = !inWord;
  fillSurahList(surahs);
  fillDivisionPickers(counts);
  const { choice, note } = startingChoice();
  writeForm(surahs, choice);
  render(choice);
  if (note) showMessage(note);
  wire();
  if (inWord) checkFont();
  setStatus("Siap.");
  document.documentElement.dataset.readyMs = performance.now().toFixed(0);  // since navigation began
  document.documentElement.dataset.ready = "1";
}

main();
