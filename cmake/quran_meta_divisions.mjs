// Writes the Hafs lists of the npm package quran-meta as the JSON `pelvaron pack --divisions`
// reads: each division's first verse as a global verse number (1 is 1:1), the sajdah verses,
// and the package's name, version and licence. quran-meta's lists open with a 0 and close
// with one past the last verse; only the divisions themselves are written.
//   node quran_meta_divisions.mjs <unpacked quran-meta> <out.json>
import { readFileSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const [packageDir, out] = process.argv.slice(2);
if (!packageDir || !out) {
  console.error("usage: node quran_meta_divisions.mjs <unpacked quran-meta> <out.json>");
  process.exit(2);
}
const meta = await import(pathToFileURL(resolve(packageDir, "dist", "hafs.js")).href);
const info = JSON.parse(readFileSync(join(packageDir, "package.json"), "utf8"));
const counts = meta.meta;
const divisions = (list, count) => list.slice(1, count + 1);
writeFileSync(
  out,
  JSON.stringify({
    package: info.name,
    version: info.version,
    license: readFileSync(join(packageDir, "LICENSE"), "utf8"),
    juz: divisions(meta.JuzList, counts.numJuzs),
    quarter: divisions(meta.HizbQuarterList, counts.numRubAlHizbs),
    page: divisions(meta.PageList, counts.numPages),
    manzil: divisions(meta.ManzilList, counts.numManzils),
    ruku: divisions(meta.RukuList, counts.numRukus),
    sajdah: [...meta.SajdaList],
  }),
);
