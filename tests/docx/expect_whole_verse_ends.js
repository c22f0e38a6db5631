// Every line of `pdftotext` output ($1) holds as many opening as closing ornate parentheses:
// no verse-end mark is split over two lines. Prints the count of marks and of split lines.
const fs = require('fs');
const [file, what] = process.argv.slice(2);
const lines = fs.readFileSync(file, 'utf8').split('\n');
const count = (line, c) => line.split(c).length - 1;
const split = lines.filter((line) => count(line, '\uFD3F') !== count(line, '\uFD3E'));
const marks = lines.reduce((n, line) => n + count(line, '\uFD3F'), 0);
console.log(`${what}: ${marks} verse-end marks, ${split.length} lines hold part of one`);
if (marks === 0 || split.length > 0) {
  for (const line of split.slice(0, 5)) console.error(`  split: ${JSON.stringify(line)}`);
  process.exit(1);
}
