// What both pages hand out besides an insertion: the verses as rich text on the clipboard, and
// the .docx `pelvaron insert` writes for the same request.

/** @typedef {{ request: any, html: string, text: string }} Rendered */

/** Puts the rendered verses on the clipboard as HTML and as plain text; throws when refused. @param {Rendered} rendered */
export async function copyRendered(rendered) {
  const item = new ClipboardItem({
    "text/html": new Blob([`<meta charset="utf-8">${rendered.html}`], { type: "text/html" }),
    "text/plain": new Blob([rendered.text], { type: "text/plain" }),
  });
  await navigator.clipboard.write([item]);
}

/** "juz-30", "halaman-502", "78-1-114-6", "2-255-257". @param {any} request */
function fileRange(request) {
  if (request.juz) return `juz-${request.juz}`;
  if (request.page) return `halaman-${request.page}`;
  const to = request.toSurah ? `${request.toSurah}-` : "";
  return `${request.surah}-${request.first}-${to}${request.last}`;
}

/**
 * Downloads the request's .docx (it carries the Quran font); throws the engine's Error.
 * @param {{ docx: (request: any) => Promise<Uint8Array<ArrayBuffer>> }} pelvaron the engine (pelvaron.js)
 * @param {{ surah: number, first: number, last: number, toSurah?: number, juz?: number, page?: number }} request
 */
export async function downloadDocx(pelvaron, request) {
  const bytes = await pelvaron.docx(request);
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], {
    type: "application/vnd.openxmlformats-officedocument.wordprocessingml.document" }));
  link.download = `al-quran-${fileRange(request)}.docx`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}
