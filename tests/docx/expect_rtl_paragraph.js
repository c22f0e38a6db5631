// Checks a flat ODF document LibreOffice wrote: the paragraph holding TEXT is laid out right
// to left (its style's writing mode is rl-tb), and the paragraph after it is not.
//   node expect_rtl_paragraph.js FILE.fodt TEXT
'use strict';
const fs = require('fs');
const [file, text] = process.argv.slice(2);
const xml = fs.readFileSync(file, 'utf8');

function fail(message) {
  console.error(`expect_rtl_paragraph: ${message}`);
  process.exit(1);
}

function writingMode(styleName) {
  const start = xml.indexOf(`style:name="${styleName}"`);
  if (start < 0) return '';
  const end = xml.indexOf('</style:style>', start);
  const match = /style:writing-mode="([^"]+)"/.exec(xml.slice(start, end < 0 ? undefined : end));
  return match ? match[1] : '';
}

const at = xml.indexOf(text);
if (at < 0) fail(`"${text}" is not in ${file}`);
const paragraph = xml.lastIndexOf('<text:p', at);
const style = /text:style-name="([^"]+)"/.exec(xml.slice(paragraph, at));
if (!style) fail('the paragraph has no style');
if (writingMode(style[1]) !== 'rl-tb') fail(`paragraph style ${style[1]} is not right to left`);
const next = /<text:p text:style-name="([^"]+)"/.exec(xml.slice(at));
if (next && writingMode(next[1]) === 'rl-tb') fail(`the paragraph after the citation (${next[1]}) is still right to left`);
console.log(`"${text}": right to left (${style[1]}), the paragraph after it left to right`);
