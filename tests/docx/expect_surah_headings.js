// Checks a flat ODF document LibreOffice wrote of a request across surahs: before each surah
// FIRST..LAST, a centred left-to-right "Surat …" paragraph, then the centred right-to-left
// "سورة <Arabic name>" (names from the pack's surahnames.txt), then, except for Al-Fatihah
// and At-Taubah, the basmala, centred and right to left.
//   node expect_surah_headings.js FILE.fodt SURAHNAMES.txt FIRST LAST
'use strict';
const fs = require('fs');
const [file, namesFile, first, last] = process.argv.slice(2);
const xml = fs.readFileSync(file, 'utf8');
const names = fs.readFileSync(namesFile, 'utf8').split(/\r?\n/);

function fail(message) {
  console.error(`expect_surah_headings: ${message}`);
  process.exit(1);
}

function paragraphProperties(styleName) {
  const start = xml.indexOf(`style:name="${styleName}"`);
  if (start < 0) return '';
  const end = xml.indexOf('</style:style>', start);
  return xml.slice(start, end < 0 ? undefined : end);
}

// The paragraphs in order: their style's layout and their text without markup.
const paragraphs = [];
for (const match of xml.matchAll(/<text:p text:style-name="([^"]+)"[^>]*?(?:\/>|>(.*?)<\/text:p>)/gs)) {
  const properties = paragraphProperties(match[1]);
  paragraphs.push({
    rtl: /style:writing-mode="rl-tb"/.test(properties),
    centred: /fo:text-align="center"/.test(properties),
    text: (match[2] || '').replace(/<[^>]+>/g, ''),
  });
}

function expectLayout(p, rtl, what) {
  if (!p) fail(`${what}: no such paragraph`);
  if (p.rtl !== rtl || !p.centred)
    fail(`${what} ("${p.text}") is ${p.centred ? '' : 'not '}centred and ${p.rtl ? 'right to left' : 'left to right'}`);
}

let basmalas = 0;
for (let s = Number(first); s <= Number(last); ++s) {
  const at = paragraphs.findIndex((p) => p.text === `سورة ${names[s - 1]}`);
  if (at < 1) fail(`no heading "سورة ${names[s - 1]}" for surah ${s}, or nothing before it`);
  expectLayout(paragraphs[at], true, `surah ${s}'s Arabic heading`);
  if (!paragraphs[at - 1].text.startsWith('Surat ')) fail(`surah ${s}: "${paragraphs[at - 1].text}" before its heading`);
  expectLayout(paragraphs[at - 1], false, `surah ${s}'s Latin heading`);
  if (s === 1 || s === 9) continue;
  expectLayout(paragraphs[at + 1], true, `surah ${s}'s basmala`);
  ++basmalas;
}
console.log(`surahs ${first}-${last}: every heading centred, the Arabic ones and ${basmalas} basmala lines right to left`);
