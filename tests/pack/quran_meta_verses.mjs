// Every verse as quran-meta's own functions place it, one a line:
// "surah verse juz quarter page manzil ruku sajdah(0|1)". The default pack's divisions.txt is
// checked against it.
//   node quran_meta_verses.mjs <unpacked quran-meta>
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";

const meta = await import(pathToFileURL(resolve(process.argv[2], "dist", "hafs.js")).href);
const lines = [];
for (let id = 1; id <= meta.meta.numAyahs; ++id) {
  const a = meta.getAyahMeta(id);
  const manzil = meta.findManzilByAyahId(id);
  lines.push([a.surah, a.ayah, a.juz, a.rubAlHizbId, a.page, manzil, a.ruku, a.isSajdahAyah ? 1 : 0].join(" "));
}
process.stdout.write(lines.join("\n") + "\n");
