// The request form the web page and the Word pane share: the surah picker and the choice the
// form shows, read and written by the same element ids on both pages.

/** @typedef {{ number: number, name: string, verses: number }} Surah */
/** @typedef {{ surah: number, first: number, last: number, arab: boolean, latin: boolean, terjemah: boolean,
 *              perVerse: boolean, linePerVerse: boolean, cite: string }} Choice */

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

/** @param {Surah[]} surahs @returns {Choice} */
export function readForm(surahs) {
  const surah = surahOf(surahs, $("surah").value);
  return {
    surah: surah ? surah.number : 0, first: Number($("first").value) || 0, last: Number($("last").value) || 0,
    arab: $("part-arab").checked, latin: $("part-latin").checked, terjemah: $("part-terjemah").checked,
    perVerse: $("layout-verse").checked, linePerVerse: $("line-per-verse").checked, cite: $("cite").value,
  };
}

/** @param {Surah[]} surahs @param {Choice} choice */
export function writeForm(surahs, choice) {
  const surah = surahs[choice.surah - 1];
  $("surah").value = surah ? surahLabel(surah) : String(choice.surah);
  $("first").value = String(choice.first);
  $("last").value = String(choice.last);
  if (surah) $("first").max = $("last").max = String(surah.verses);
  $("part-arab").checked = choice.arab;
  $("part-latin").checked = choice.latin;
  $("part-terjemah").checked = choice.terjemah;
  $(choice.perVerse ? "layout-verse" : "layout-block").checked = true;
  $("line-per-verse").checked = choice.linePerVerse;
  $("cite").value = choice.cite;
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
  $("last").value = String(surah.verses);
  $("first").max = $("last").max = String(surah.verses);
}

/** The ids of the controls whose change re-renders the request. */
export const FORM_CONTROLS = ["first", "last", "part-arab", "part-latin", "part-terjemah", "layout-block",
                              "layout-verse", "line-per-verse", "cite"];

/**
 * One search result as a list item holding a button; a click calls choose with the choice the
 * result makes of the form (its surah and verses, the other choices as they are).
 * @param {Surah[]} surahs
 * @param {{label: string, snippet: string, surah: number, verse: number, lastVerse: number}} result
 * @param {(choice: any) => void} choose
 */
export function resultItem(surahs, result, choose) {
  const button = document.createElement("button");
  button.type = "button";
  const label = document.createElement("b");
  label.textContent = result.label;
  button.append(label, result.snippet);
  button.addEventListener("click", () =>
    choose({ ...readForm(surahs), surah: result.surah, first: result.verse, last: result.lastVerse }));
  const item = document.createElement("li");
  item.append(button);
  return item;
}
