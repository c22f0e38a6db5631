// Checks a flat ODF document LibreOffice wrote of a verse-by-verse .docx with the Latin: each
// LINE (the Latin of verse 1, 2, ...) stands in a paragraph right after a right-to-left one
// (the verse's Arabic), left to right itself, and its text is italic; the translation after
// it is not italic.
//   node expect_latin_italic.js FILE.fodt LINE...
'use strict';
const fs = require('fs');
const [file, ...lines] = process.argv.slice(2);
const xml = fs.readFileSync(file, 'utf8');

function fail(message) {
  console.error(`expect_latin_italic: ${message}`);
  process.exit(1);
}

function styleBody(name) {
  const start = xml.indexOf(`style:name="${name}"`);
  if (start < 0) return '';
  return xml.slice(start, xml.indexOf('</style:style>', start));
}
const rightToLeft = (name) => /style:writing-mode="rl-tb"/.test(styleBody(name));
const italic = (name) => /fo:font-style="italic"/.test(styleBody(name));

// The paragraphs in order: their style and the styles of the spans in them.
const paragraphs = [];
for (const m of xml.matchAll(/<text:p text:style-name="([^"]+)"(?:\/>|>([\s\S]*?)<\/text:p>)/g)) {
  const body = m[2] || '';
  const spans = [...body.matchAll(/<text:span text:style-name="([^"]+)">/g)].map((s) => s[1]);
  paragraphs.push({ style: m[1], spans, text: body.replace(/<[^>]+>/g, '') });
}
for (const line of lines) {
  const at = paragraphs.findIndex((p) => p.text.includes(line));
  if (at < 1) fail(`"${line}" is not in a paragraph after another one`);
  const latin = paragraphs[at];
  if (!rightToLeft(paragraphs[at - 1].style)) fail(`the paragraph before "${line}" is not the right-to-left Arabic`);
  if (rightToLeft(latin.style)) fail(`"${line}" is laid out right to left`);
  const spansItalic = latin.spans.length > 0 && latin.spans.every(italic);
  if (!spansItalic && !italic(latin.style)) fail(`"${line}" is not italic`);
  const translation = paragraphs[at + 1];
  if (!translation || translation.spans.some(italic)) fail(`the paragraph after "${line}" is italic too`);
}
console.log(`${lines.length} Latin lines: italic, left to right, each under its verse's Arabic`);
