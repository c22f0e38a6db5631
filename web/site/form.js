// The request form the web page and the Word pane share: the surah, juz and page pickers and
// the choice the form shows, read and written by the same element ids on both pages.

/** @typedef {{ number: number, name: string, verses: number }} Surah */
/** @typedef {{ juz: number, pages: number }} DivisionCounts */
/** @typedef {{ surah: number, first: number, last: number, toSurah: number, juz: number, page: number,
 *              arab: boolean, latin: boolean, terjemah: boolean, perVerse: boolean, linePerVerse: boolean,
 *              cite: string }} Choice
 * toSurah: the last verse's surah when the range crosses surahs, else 0; juz, page: the juz or
 * page of the mushaf asked for (the surah fields then 0), else 0. */

const $ = (/** @type {string} */ id) => /** @type {HTMLInputElement} */ (document.getElementById(id));

export const surahLabel = (/** @type {Surah} */ s) => `${s.number}. ${s.name}`;

/**
 * The surah the picker's text names: its number, "N. Name", or a name typed in part.
 * @param {Surah[]} surahs
 * @param {string} text
 */
export function surahOf(surahs, text) {
  const value = text.trim().toLowerCase();
  if (!value) return null;
  const number = /^(\d+)/.exec(value);
  if (number) return surahs[Number(number[1]) - 1] || null;
  return surahs.find((s) => s.name.toLowerCase() === value) ||
         surahs.find((s) => s.name.toLowerCase().startsWith(value)) ||
         surahs.find((s) => s.name.toLowerCase().includes(value)) || null;
}

/** The surah a picker's text names, or 0. @param {Surah[]} surahs @param {string} id */
const surahNumber = (surahs, id) => surahOf(surahs, $(id).value)?.number || 0;

/** @param {Surah[]} surahs @returns {Choice} */
export function readForm(surahs) {
  const scope = $("scope").value;
  const surah = scope === "surat" ? surahNumber(surahs, "surah") : 0;
  const toSurah = surah ? surahNumber(surahs, "to-surah") : 0;
  return {
    surah, first: surah && (Number($("first").value) || 0), last: surah && (Number($("last").value) || 0),
    toSurah: toSurah === surah ? 0 : toSurah,
    juz: scope === "juz" ? Number($("juz").value) : 0, page: scope === "halaman" ? Number($("page").value) || 0 : 0,
    arab: $("part-arab").checked, latin: $("part-latin").checked, terjemah: $("part-terjemah").checked,
    perVerse: $("layout-verse").checked, linePerVerse: $("line-per-verse").checked, cite: $("cite").value,
  };
}

/**
 * Shows the fields of the scope chosen (surah, juz or page) and hides the others; the surah
 * fields, empty when the form opened on a juz or page, show Al-Fatihah.
 * @param {Surah[]} surahs
 */
export function showScope(surahs) {
  const scope = $("scope").value;
  if (scope === "surat" && !$("surah").value) {
    $("surah").value = "1";
    takeSurahPicked(surahs);
  }
  $("surah-fields").hidden = scope !== "surat";
  $("juz-field").hidden = scope !== "juz";
  $("page-field").hidden = scope !== "halaman";
}

/** The message for a form that names no verses, or "". @param {Choice} choice @param {DivisionCounts} counts */
export function emptyChoiceMessage(choice, counts) {
  if (choice.surah || choice.juz || choice.page) return "";
  return $("scope").value === "halaman" ? `Halaman tidak dikenal: ketik nomor 1–${counts.pages}.`
                                        : "Surat tidak dikenal: ketik nama atau nomor 1–114.";
}

/** @param {Surah[]} surahs @param {Choice} choice */
export function writeForm(surahs, choice) {
  $("scope").value = choice.juz ? "juz" : choice.page ? "halaman" : "surat";
  if (choice.juz) $("juz").value = String(choice.juz);
  if (choice.page) $("page").value = String(choice.page);
  if (choice.surah) writeSurahFields(surahs, choice);
  showScope(surahs);
  $("part-arab").checked = choice.arab;
  $("part-latin").checked = choice.latin;
  $("part-terjemah").checked = choice.terjemah;
  $(choice.perVerse ? "layout-verse" : "layout-block").checked = true;
  $("line-per-verse").checked = choice.linePerVerse;
  $("cite").value = choice.cite;
}

/** @param {Surah[]} surahs @param {Choice} choice */
function writeSurahFields(surahs, choice) {
  const surah = surahs[choice.surah - 1];
  const toSurah = surahs[(choice.toSurah || choice.surah) - 1];
  $("surah").value = surah ? surahLabel(surah) : String(choice.surah);
  $("to-surah").value = choice.toSurah && toSurah ? surahLabel(toSurah) : "";
  $("first").value = String(choice.first);
  $("last").value = String(choice.last);
  if (surah) $("first").max = String(surah.verses);
  if (toSurah) $("last").max = String(toSurah.verses);
}

/** The juz picker's numbers. @param {DivisionCounts} counts */
export function fillDivisionPickers(counts) {
  $("juz").replaceChildren(...Array.from({ length: counts.juz }, (_, i) => new Option(`Juz ${i + 1}`, String(i + 1))));
  $("page").max = String(counts.pages);
}

/** The picker's list: every surah with its verse count. @param {Surah[]} surahs */
export function fillSurahList(surahs) {
  $("surah-list").replaceChildren(...surahs.map((s) => {
    const option = document.createElement("option");
    option.value = surahLabel(s);
    option.label = `${s.verses} ayat`;
    return option;
  }));
}

/** A surah picked by name or number shows its name and all its verses. @param {Surah[]} surahs */
export function takeSurahPicked(surahs) {
  const surah = surahOf(surahs, $("surah").value);
  if (!surah) return;
  $("surah").value = surahLabel(surah);
  $("first").value = "1";
  $("first").max = String(surah.verses);
  $("to-surah").value = "";
  takeLastSurahPicked(surahs);
}

/**
 * A last surah picked after the first ends the range at its last verse; any other (or none)
 * keeps the range within the first surah, to its end.
 * @param {Surah[]} surahs
 */
export function takeLastSurahPicked(surahs) {
  const surah = surahOf(surahs, $("surah").value);
  if (!surah) return;
  const picked = surahOf(surahs, $("to-surah").value);
  const last = picked && picked.number > surah.number ? picked : surah;
  $("to-surah").value = last === surah ? "" : surahLabel(last);
  $("last").value = String(last.verses);
  $("last").max = String(last.verses);
}

/** The ids of the controls whose change re-renders the request (the surah pickers aside). */
export const FORM_CONTROLS = ["first", "last", "juz", "page", "part-arab", "part-latin", "part-terjemah",
                              "layout-block", "layout-verse", "line-per-verse", "cite"];

/**
 * One search result as a list item holding a button; a click calls choose with the choice the
 * result makes of the form (its surah and verses, the other choices as they are).
 * @param {Surah[]} surahs
 * @param {{label: string, snippet: string, surah: number, verse: number, lastVerse: number, lastSurah?: number}} result
 * @param {(choice: any) => void} choose
 */
export function resultItem(surahs, result, choose) {
  const button = document.createElement("button");
  button.type = "button";
  const label = document.createElement("b");
  label.textContent = result.label;
  button.append(label, result.snippet);
  button.addEventListener("click", () =>
    choose({ ...readForm(surahs), surah: result.surah, first: result.verse, last: result.lastVerse,
             toSurah: result.lastSurah && result.lastSurah !== result.surah ? result.lastSurah : 0, juz: 0, page: 0 }));
  const item = document.createElement("li");
  item.append(button);
  return item;
}
