// The Word task pane in Debian's Chromium, served from 127.0.0.1 with its own policy header,
// with a stand-in office.js (stand-in.js) in place of Microsoft's: what it inserts, against
// `pelvaron insert --format ooxml` and `--format text`; Word's refusals; cancelling; the font
// notice; the keyboard; axe-core over the pane and the web page; and the real office.js from
// npm outside Word. Prints (never asserts) the load time and the OOXML figures.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { launchChromium } from "../support/chromium.mjs";
import { serve } from "../../web/serve.mjs";
import { servePane } from "../../office/serve.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const repo = resolve(here, "../..");
const paneFolder = process.env.PELVARON_OFFICE_SITE || join(repo, "build/office");
const webFolder = process.env.PELVARON_WEB_SITE || join(repo, "build/web/site");
const cliFolder = process.env.PELVARON_PACK_APP_PATH || join(repo, "build/default/cli");
const OFFICE_JS = "https://appsforoffice.microsoft.com/lib/1/hosted/";
const standIn = readFileSync(join(here, "stand-in.js"), "utf8");
const realOffice = join(here, "node_modules/@microsoft/office-js/dist");
const axeSource = readFileSync(join(here, "node_modules/axe-core/axe.min.js"), "utf8");

// `range`: [surah, first, last], or the command line's own words for the verses.
const cli = (range, format, options) => execFileSync(join(cliFolder, "pelvaron"),
  ["insert", ...(typeof range[0] === "number" ? ["--surah", `${range[0]}`, "--first", `${range[1]}`, "--last", `${range[2]}`] : range),
   "--format", format, ...options, "--app-path", cliFolder], { stdio: "pipe", maxBuffer: 1 << 28 }).toString("utf8");

let paneServer, webServer, browser, chromium;

before(async () => {
  paneServer = await servePane(paneFolder, 0, null);
  webServer = await serve(webFolder, 0);
  chromium = await launchChromium(puppeteer);
  browser = chromium.browser;
});

after(async () => {
  await chromium?.close();
  paneServer?.close();
  webServer?.close();
});

// office.js from the stand-in, or from the npm package (its files beside it); nothing else
// leaves the machine.
function officeScript(request, real) {
  const name = request.url().slice(OFFICE_JS.length).split("?")[0];
  if (!real) return name === "office.js" ? { contentType: "text/javascript", body: standIn } : null;
  try {
    // office.js fetches its files beside it with CORS, which the CDN allows
    return { contentType: "text/javascript", headers: { "Access-Control-Allow-Origin": "*" },
             body: readFileSync(join(realOffice, name)) };
  } catch {
    return null;
  }
}

// A fresh page on the pane at `hash`, ready; `config` is the stand-in's, or "real" for office.js.
async function openPane(hash = "", config = {}) {
  const page = await browser.newPage();
  const errors = [];
  const foreign = [];
  page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
  page.on("pageerror", (e) => errors.push(String(e)));
  await page.setRequestInterception(true);
  const origin = `http://127.0.0.1:${paneServer.address().port}`;
  page.on("request", (request) => {
    const url = request.url();
    if (url.startsWith(OFFICE_JS)) {
      const answer = officeScript(request, config === "real");
      return answer ? request.respond({ status: 200, ...answer }) : request.respond({ status: 404, body: "" });
    }
    if (url.startsWith(origin) || url.startsWith("blob:") || url.startsWith("data:")) return request.continue();
    foreign.push(url);
    return request.abort();
  });
  if (config !== "real") await page.evaluateOnNewDocument((c) => { window.standInConfig = c; }, config);
  await page.setViewport({ width: 340, height: 900 });
  await page.goto(`${origin}/index.html${hash}`, { waitUntil: "load" });
  await page.waitForSelector("html[data-ready]", { timeout: 30000 });
  return { page, errors, foreign };
}

const status = (page) => page.$eval("#status", (s) => s.textContent);
const message = (page) => page.$eval("#message", (m) => (m.hidden ? "" : m.textContent));
// Word's calls in order (the requirement checks and onReady left out: they may come any time).
const calls = (page) => page.evaluate(() => window.standIn.calls.map((c) => c.name)
  .filter((name) => !["isSetSupported", "Office.onReady"].includes(name)));

async function insertAndWait(page) {
  await page.click("#insert");
  await page.waitForFunction(() => /Tersisip|Tidak ada yang disisipkan|Dibatalkan/.test(
    document.getElementById("status").textContent + document.getElementById("message").textContent),
  { timeout: 60000 });
}

// The package's paragraphs, read by the browser's XML parser: text as --format text prints it,
// direction, and each run's properties.
const readPackage = (page, ooxml) => page.evaluate((xml) => {
  const W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
  const doc = new DOMParser().parseFromString(xml, "application/xml");
  if (doc.getElementsByTagName("parsererror").length) return null;
  const on = (props, name) => {
    const node = props && props.getElementsByTagNameNS(W, name)[0];
    return !!node && node.getAttributeNS(W, "val") !== "0";
  };
  const parts = [...doc.getElementsByTagName("pkg:part")].map((p) => p.getAttribute("pkg:name"));
  const paragraphs = [...doc.getElementsByTagNameNS(W, "p")].map((p) => {
    const runs = [...p.getElementsByTagNameNS(W, "r")].map((r) => {
      const props = r.getElementsByTagNameNS(W, "rPr")[0];
      const fonts = props.getElementsByTagNameNS(W, "rFonts")[0];
      const text = [...r.getElementsByTagNameNS(W, "t")].map((t) => t.textContent).join("");
      return { text, rtl: on(props, "rtl"), italic: on(props, "i"), cs: fonts.getAttributeNS(W, "cs"),
               ascii: fonts.getAttributeNS(W, "ascii"),
               size: props.getElementsByTagNameNS(W, "szCs")[0].getAttributeNS(W, "val") };
    });
    const text = [...p.getElementsByTagNameNS(W, "r")].map((r) =>
      [...r.childNodes].map((n) => (n.localName === "t" ? n.textContent : n.localName === "tab" ? "\t" : n.localName === "br" ? "\n" : "")).join("")).join("");
    return { bidi: on(p.getElementsByTagNameNS(W, "pPr")[0], "bidi"), text, runs };
  });
  return { parts, paragraphs, sections: doc.getElementsByTagNameNS(W, "sectPr").length };
}, ooxml);

const CASES = [
  { name: "Al-Fatihah, all parts", hash: "#1:1-7?latin", range: [1, 1, 7], options: ["--latin"] },
  { name: "2:255-257 with Latin and QS citation", hash: "#2:255-257?latin&cite=qs", range: [2, 255, 257],
    options: ["--latin", "--cite", "qs"] },
  { name: "112:1-4 per verse", hash: "#112:1-4?perayat", range: [112, 1, 4], options: ["--per-verse"] },
  { name: "Al-Baqarah whole, all parts", hash: "#2:1-286?latin", range: [2, 1, 286], options: ["--latin"], figures: true },
  { name: "Juz 30, all parts", hash: "#juz30?latin", range: ["--juz", "30"], options: ["--latin"], figures: true },
];

test("Sisipkan inserts the pelvaron insert --format ooxml package, once, with one sync", async (t) => {
  for (const c of CASES) {
    await t.test(c.name, async () => {
      const { page, errors, foreign } = await openPane(c.hash);
      const before = (await calls(page)).length;
      await insertAndWait(page);
      assert.match(await status(page), /Tersisip/, await message(page));
      const names = (await calls(page)).slice(before);
      assert.deepEqual(names, ["Word.run", "Document.getSelection", "Range.insertOoxml", "RequestContext.sync"]);
      const { args, violations } = await page.evaluate(() => ({
        args: window.standIn.calls.find((x) => x.name === "Range.insertOoxml").args,
        violations: window.standIn.violations }));
      assert.deepEqual(violations, []);
      assert.equal(args[1], "Replace");
      assert.equal(args[0], cli(c.range, "ooxml", c.options), "the CLI's bytes");
      const pkg = await readPackage(page, args[0]);
      assert.ok(pkg, "the package parses");
      assert.deepEqual(pkg.parts, ["/_rels/.rels", "/word/document.xml"]);
      assert.equal(pkg.sections, 0);
      assert.equal(pkg.paragraphs.map((p) => p.text + "\n").join(""), cli(c.range, "text", c.options));
      const arabic = pkg.paragraphs.filter((p) => p.bidi && p.text.trim());
      assert.ok(arabic.length > 0);
      for (const p of arabic) for (const r of p.runs) {
        // the verse-end number is a left-to-right run of its own; Arabic letters are right to left
        assert.ok(r.cs === "Amiri Quran" && (r.rtl || !/[\u0621-\u064A]/.test(r.text)), JSON.stringify(r));
        assert.equal(r.size, arabic[0].runs[0].size, "one Arabic size");
      }
      const italic = pkg.paragraphs.filter((p) => p.runs.some((r) => r.italic));
      assert.equal(italic.length > 0, c.options.includes("--latin"));
      for (const p of italic) assert.ok(!p.bidi && /[a-zāīū]/.test(p.text), p.text);
      if (c.figures) {
        const ms = await page.evaluate(() => document.documentElement.dataset.ooxmlMs);
        console.log(`${c.name}: OOXML ${args[0].length} bytes, built in ${ms} ms`);
      }
      assert.deepEqual(foreign, []);
      assert.deepEqual(errors, []);
      await page.close();
    });
  }
});

test("a refused insertion says why in Indonesian and calls nothing more", async () => {
  for (const [code, words] of [["GeneralException", /Coba lagi/], ["ooxmlIsMalformed", /format tidak sah/],
                               ["AccessDenied", /hanya-baca/]]) {
    const { page } = await openPane("#1:1-7", { refuse: { code, message: "refused" } });
    const before = (await calls(page)).length;
    await insertAndWait(page);
    assert.match(await message(page), words, code);
    assert.match(await message(page), /Tidak ada yang disisipkan/);
    assert.deepEqual((await calls(page)).slice(before),
                     ["Word.run", "Document.getSelection", "Range.insertOoxml", "RequestContext.sync"]);
    assert.deepEqual(await page.evaluate(() => window.standIn.inserted.length), 0);
    await page.close();
  }
});

test("a long range can be cancelled before it is sent", async () => {
  const { page } = await openPane("#2:1-286");
  await page.click("#insert");
  await page.waitForSelector("#progress:not([hidden])");
  await page.click("#cancel");
  await page.waitForFunction(() => /Dibatalkan/.test(document.getElementById("status").textContent));
  assert.ok(!(await calls(page)).includes("Range.insertOoxml"));
  assert.ok(await page.$eval("#progress", (p) => p.hidden));
  await page.close();
});

test("the font notice shows where desktop Word lacks Amiri Quran, and only there", async () => {
  for (const [config, shown] of [[{ sets: { WordApi: 1.3, WordApiDesktop: 1.4 }, fonts: ["Calibri", "Arial"] }, true],
                                 [{ sets: { WordApi: 1.3, WordApiDesktop: 1.4 }, fonts: ["Arial", "Amiri Quran"] }, false],
                                 [{ sets: { WordApi: 1.3 } }, false]]) {
    const { page } = await openPane("", config);
    await page.waitForFunction(() => window.standIn.calls.length > 0);
    await new Promise((done) => setTimeout(done, 300));  // the check runs after the pane is ready
    assert.equal(await page.$eval("#font-notice", (n) => !n.hidden), shown, JSON.stringify(config));
    assert.deepEqual(await page.evaluate(() => window.standIn.violations), []);
    await page.close();
  }
});

test("the pane opens on its address, else the last choices, else Al-Fatihah", async () => {
  const fresh = await openPane();
  await fresh.page.evaluate(() => localStorage.clear());
  await fresh.page.close();
  const { page } = await openPane();
  assert.equal(await page.$eval("#surah", (s) => s.value), "1. Al-Fatihah");
  await page.$eval("#surah", (s) => { s.value = "36"; s.dispatchEvent(new Event("change")); });
  await page.click("#part-latin");
  await page.close();
  const again = await openPane();
  assert.equal(await again.page.$eval("#surah", (s) => s.value), "36. Ya-Sin");
  assert.equal(await again.page.$eval("#part-latin", (c) => c.checked), true);
  await again.page.close();
  const addressed = await openPane("#112:1-4?perayat");
  assert.equal(await addressed.page.$eval("#surah", (s) => s.value), "112. Al-Ikhlas");
  assert.equal(await addressed.page.$eval("#layout-verse", (c) => c.checked), true);
  await addressed.page.close();
});

test("every control is reached by Tab, and the keyboard alone inserts", async () => {
  const { page } = await openPane("#112:1-4");
  const reached = new Set();
  for (let i = 0; i < 40; i++) {
    await page.keyboard.press("Tab");
    reached.add(await page.evaluate(() => document.activeElement.id || document.activeElement.name));
  }
  for (const id of ["query", "surah", "first", "last", "part-arab", "part-latin", "part-terjemah", "layout-block",
                    "line-per-verse", "cite", "insert", "copy", "download"])
    assert.ok(reached.has(id), `${id} by Tab (reached: ${[...reached].join(" ")})`);
  await page.focus("#part-latin");
  await page.keyboard.press("Space");
  while (!(await page.evaluate(() => document.activeElement.id === "insert"))) await page.keyboard.press("Tab");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => /Tersisip/.test(document.getElementById("status").textContent));
  const ooxml = await page.evaluate(() => window.standIn.inserted[0]);
  assert.equal(ooxml, cli([112, 1, 4], "ooxml", ["--latin"]));
  await page.close();
});

async function seriousViolations(page) {
  await page.evaluate(axeSource);
  const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ["violations"] }));
  return result.violations.filter((v) => ["serious", "critical"].includes(v.impact))
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
}

test("axe-core finds no serious or critical violation in the pane, in or out of Word, nor in the web page", async () => {
  for (const config of [{}, "real"]) {
    const { page } = await openPane("#2:255-257?latin", config);
    assert.deepEqual(await seriousViolations(page), [], `pane ${config === "real" ? "outside Word" : "in Word"}`);
    await page.close();
  }
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${webServer.address().port}/#2:255-257?latin`, { waitUntil: "load" });
  await page.waitForSelector("html[data-ready]", { timeout: 30000 });
  assert.deepEqual(await seriousViolations(page), [], "web page");
  await page.close();
});

test("outside Word, the real office.js resolves with no host and the pane says to open it in Word", async () => {
  const { page, errors, foreign } = await openPane("#1:1-7", "real");
  assert.equal(await page.$eval("#outside", (s) => !s.hidden), true);
  assert.equal(await page.$eval("#insert", (b) => b.hidden), true);
  assert.equal(await page.$eval("#copy", (b) => b.disabled), false);
  assert.equal(await page.$eval("#download", (b) => b.disabled), false);
  assert.equal(await page.evaluate(() => typeof Word), "undefined");
  // office.js frames Microsoft's telemetry page 3 s after loading; the pane's policy refuses it
  await new Promise((done) => setTimeout(done, 4000));
  const telemetry = /^Framing 'https:\/\/telemetryservice\.firstpartyapps\.oaspapps\.com\/' violates/;
  console.log(`office.js telemetry frames refused by the pane's policy: ${errors.filter((e) => telemetry.test(e)).length}`);
  assert.deepEqual(errors.filter((e) => !telemetry.test(e)), []);
  assert.deepEqual(foreign, []);
  const ready = await page.evaluate(() => document.documentElement.dataset.readyMs);
  console.log(`pane ready (real office.js, no host): ${ready} ms after navigation`);
  await page.close();
});
