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

/** @type {Uint8Array | null} */
let fontBytes = null;

/**
 * Downloads the request's .docx, carrying the Quran font; the engine's message when it fails,
 * else "".
 * @param {any} engine
 * @param {any} request
 */
export async function downloadDocx(engine, request) {
  if (!fontBytes) {
    fontBytes = new Uint8Array(await (await fetch("fonts/AmiriQuran.ttf")).arrayBuffer());
    engine.setEmbeddedFont(fontBytes);
  }
  const bytes = engine.docx(request);
  if (typeof bytes === "string") return bytes;
  const { surah, first, last } = request;
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], {
    type: "application/vnd.openxmlformats-officedocument.wordprocessingml.document" }));
  link.download = `al-quran-${surah}-${first}-${last}.docx`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  return "";
}
