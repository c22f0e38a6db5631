// Serves the built pane over HTTPS on localhost, as Word requires of an add-in. The policy
// header is the pane's own (its index.html) plus the frame ancestors Office puts a pane in,
// which only a header can say; the web page keeps its own server and `frame-ancestors 'none'`.
// node office/serve.mjs FOLDER PORT CERT.pem KEY.pem
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { serve } from "../web/serve.mjs";

// Word for the web, Microsoft 365 and SharePoint frame the pane; desktop Word opens it directly.
export const OFFICE_FRAME_ANCESTORS = ["'self'", "https://*.officeapps.live.com", "https://*.office.com",
  "https://*.office365.com", "https://*.microsoft365.com", "https://*.cloud.microsoft", "https://*.sharepoint.com"];

/** The pane's Content-Security-Policy header: its page's meta policy and the frame ancestors. */
export function panePolicy(folder) {
  const html = readFileSync(join(folder, "index.html"), "utf8");
  const meta = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(html);
  if (!meta) throw new Error(`${join(folder, "index.html")}: no Content-Security-Policy`);
  return `${meta[1]}; frame-ancestors ${OFFICE_FRAME_ANCESTORS.join(" ")}`;
}

export function servePane(folder, port, tls) {
  return serve(folder, port, { csp: panePolicy(folder), tls });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port, cert, key] = process.argv.slice(2);
  const server = await servePane(folder, Number(port), { cert: readFileSync(cert), key: readFileSync(key) });
  console.log(`Pelvaron pane: https://localhost:${server.address().port}/  (manifest: ${join(folder, "manifest.xml")}; Ctrl-C stops)`);
}
