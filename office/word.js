// The pane's side of Word: one insertion at the selection, the Quran font check, and Word's
// refusals said in Indonesian. Only Office.js calls live here.

/** @typedef {{ code?: string, message?: string }} OfficeFailure */

const REFUSALS = {
  ooxmlIsMalformed: "Word menolak teks ini (format tidak sah).",
  InvalidArgument: "Word menolak teks ini (argumen tidak sah).",
  GeneralException: "Word sedang tidak bisa menyisipkan. Coba lagi sebentar lagi.",
  AccessDenied: "Dokumen ini hanya-baca atau terkunci. Buka dokumen yang bisa diubah.",
  NotAllowed: "Word tidak mengizinkan penyisipan di sini (dokumen hanya-baca atau sedang diedit di tempat lain).",
  InvalidReference: "Dokumen sudah ditutup. Buka dokumen, lalu Sisipkan lagi.",
  ItemNotFound: "Dokumen sudah ditutup. Buka dokumen, lalu Sisipkan lagi.",
};

/**
 * What the pane says when Word refuses an insertion; nothing was inserted.
 * @param {OfficeFailure} error
 */
export function refusalMessage(error) {
  const code = (error && error.code) || "";
  const why = Object.hasOwn(REFUSALS, code)
    ? REFUSALS[/** @type {keyof typeof REFUSALS} */ (code)]
    : `Word menolak penyisipan${code ? ` (${code})` : ""}: ${(error && error.message) || "sebab tidak diketahui"}.`;
  return `${why} Tidak ada yang disisipkan.`;
}

/**
 * "Word" when the pane runs inside Word, null anywhere else (a browser tab, another host, or
 * an office.js that never gets ready, as when its own files cannot be fetched).
 * @param {number} waitMs
 */
export async function officeHost(waitMs) {
  if (typeof Office === "undefined") return null;  // office.js could not be loaded
  const timeout = new Promise((done) => setTimeout(() => done(null), waitMs));
  const info = /** @type {{ host: Office.HostType | null } | null} */ (await Promise.race([Office.onReady(), timeout]));
  return info && info.host === Office.HostType.Word ? "Word" : null;
}

/** True when this Word takes insertOoxml (WordApi 1.1: Windows, Mac, iPad and the web). */
export function canInsert() {
  return Office.context.requirements.isSetSupported("WordApi", "1.1");
}

/**
 * Puts the package in place of the selection: one batch, one sync, so Word takes it whole or
 * not at all.
 * @param {string} ooxml
 */
export async function insertAtSelection(ooxml) {
  await Word.run(async (context) => {
    context.document.getSelection().insertOoxml(ooxml, "Replace");
    await context.sync();
  });
}

/**
 * Whether Word has the font installed; null where Word cannot tell (only desktop Word with
 * WordApiDesktop 1.4 lists its fonts).
 * @param {string} name
 * @returns {Promise<boolean | null>}
 */
export async function hasFont(name) {
  if (!Office.context.requirements.isSetSupported("WordApiDesktop", "1.4")) return null;
  return Word.run(async (context) => {
    const fonts = context.application.fontNames;
    const count = fonts.getCount();
    await context.sync();
    const names = Array.from({ length: count.value }, (_, i) => fonts.getItemAt(i));
    await context.sync();
    return names.some((font) => font.value === name);
  });
}
