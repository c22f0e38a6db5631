// Checks that a document converted to text holds a surah's verses from quran-json, in
// order: first every verse's Arabic text (with the open tanween at their standard code
// points, as the pack stores them), each followed by its verse end (the sign U+06DD and the
// number, or the number in ornate parentheses), then every verse's translation line "N.  text". Usage: node expect_surah_text.js TEXT_FILE
// QURAN_ID_JSON SURAH. Exit status 1, with the first verse missing, when the text fails.
'use strict';
const fs = require('fs');

const [textFile, sourceFile, surahArg] = process.argv.slice(2);
const text = fs.readFileSync(textFile, 'utf8').replace(/^\uFEFF/, '');
const surah = JSON.parse(fs.readFileSync(sourceFile, 'utf8'))[Number(surahArg) - 1];

const standardArabic = (t) => t.replace(/\u0657/g, '\u08F0').replace(/\u065E/g, '\u08F1').replace(/\u0656/g, '\u08F2');
const arabicDigits = (n) => String(n).replace(/[0-9]/g, (d) => String.fromCharCode(0x0660 + Number(d)));
// As the pack stores it: footnote numbers gone, letters Windows-1252 lacks without their
// accents, the first letter upper-cased.
const translationLine = (verse) => {
  let t = verse.translation.replace(/(^|[^0-9(])[0-9]{1,5}\)/g, '$1').replace(/ {2,}/g, ' ').trim();
  t = t.replace(/[\u0100-\u024F\u1E00-\u1EFF]/g, (c) => c.normalize('NFD').replace(/[\u0300-\u036F]/g, ''));
  return `${verse.id}.  ${t.charAt(0).toUpperCase()}${t.slice(1)}`;
};

let failures = 0;
const fail = (message) => {
  console.error(`surah ${surah.id}: ${message}`);
  failures += 1;
};

let pos = 0;
for (const verse of surah.verses) {
  const ends = [`\u06DD${arabicDigits(verse.id)}`, `\u200E\uFD3E\u200E${arabicDigits(verse.id)}\u200E\uFD3F\u200E`];
  const found = ends.map((end) => `${standardArabic(verse.text)} ${end}`).map((w) => [text.indexOf(w, pos), w]);
  const [at, wanted] = found.find(([i]) => i >= 0) || [-1, ''];
  if (at < 0) fail(`verse ${verse.id}: Arabic text and verse end not found after offset ${pos}`);
  else pos = at + wanted.length;
}
const lines = text.slice(pos).split(/\r?\n/);
let line = 0;
for (const verse of surah.verses) {
  const wanted = translationLine(verse);
  const at = lines.indexOf(wanted, line);
  if (at < 0) fail(`verse ${verse.id}: translation line not found in order: ${wanted}`);
  else line = at + 1;
}
if (failures > 0) process.exit(1);
console.log(`surah ${surah.id}: ${surah.verses.length} verses, Arabic and translation, in order`);
