// Checks that a document converted to text holds a surah's verses from quran-json, in
// order: first every verse's Arabic text, each followed by its verse-end sign and number,
// then every verse's translation line "N.  text". Usage: node expect_surah_text.js TEXT_FILE
// QURAN_ID_JSON SURAH. Exit status 1, with the first verse missing, when the text fails.
'use strict';
const fs = require('fs');

const [textFile, sourceFile, surahArg] = process.argv.slice(2);
const text = fs.readFileSync(textFile, 'utf8').replace(/^\uFEFF/, '');
const surah = JSON.parse(fs.readFileSync(sourceFile, 'utf8'))[Number(surahArg) - 1];

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
  const wanted = `${verse.text} \u06DD${arabicDigits(verse.id)}`;
  const at = text.indexOf(wanted, pos);
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
