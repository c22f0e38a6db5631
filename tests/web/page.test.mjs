// The web page in Debian's Chromium, served from 127.0.0.1, against `pelvaron insert` and
// `pelvaron find` on the default pack. Prints (never asserts) the load and render times and
// the bytes transferred; leaves screenshots in build/web/artifacts.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, mkdirSync, readFileSync, readdirSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { launchChromium } from "../support/chromium.mjs";
import { serve } from "../../web/serve.mjs";

const repo = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
const site = process.env.PELVARON_WEB_SITE || join(repo, "build/web/site");
const cliFolder = process.env.PELVARON_PACK_APP_PATH || join(repo, "build/default/cli");
const artifacts = join(repo, "build/web/artifacts");

const cli = (...args) => execFileSync(join(cliFolder, "pelvaron"), [...args, "--app-path", cliFolder], { stdio: "pipe" });
const cliText = (surah, first, last, ...options) =>
  cli("insert", "--surah", `${surah}`, "--first", `${first}`, "--last", `${last}`, "--format", "text", ...options)
    .toString("utf8");

let server, origin, browser, page, cdp, chromium;
const consoleErrors = [];
const foreignRequests = [];
let bytesTransferred = 0;

// Sets the address and waits for the page to have rendered it.
async function goHash(hash) {
  await page.evaluate((h) => new Promise((done) => {
    if (location.hash === h) return done();  // shown already: no hashchange comes
    addEventListener("hashchange", () => setTimeout(done), { once: true });
    location.hash = h;
  }), hash);
}

// The preview's paragraphs as `pelvaron insert --format text` writes them.
const previewText = () =>
  page.$$eval("#preview p", (ps) => ps.map((p) => p.textContent + "\n").join(""));
const message = () => page.$eval("#message", (m) => (m.hidden ? "" : m.textContent));

before(async () => {
  server = await serve(site, 0);
  origin = `http://127.0.0.1:${server.address().port}`;
  chromium = await launchChromium(puppeteer);
  browser = chromium.browser;
  await browser.defaultBrowserContext().overridePermissions(origin, ["clipboard-read", "clipboard-write",
                                                                      "clipboard-sanitized-write"]);
  page = await browser.newPage();
  page.on("console", (m) => m.type() === "error" && consoleErrors.push(m.text()));
  page.on("pageerror", (e) => consoleErrors.push(String(e)));
  page.on("request", (r) => {
    const url = new URL(r.url());
    if (!["blob:", "data:"].includes(url.protocol) && url.origin !== origin) foreignRequests.push(r.url());
  });
  cdp = await page.createCDPSession();
  await cdp.send("Network.enable");
  cdp.on("Network.loadingFinished", (e) => { bytesTransferred += e.encodedDataLength; });
  await page.setViewport({ width: 1280, height: 800 });
  await page.goto(origin + "/", { waitUntil: "load" });
  await page.waitForSelector("html[data-ready]", { timeout: 20000 });
  const readyMs = await page.evaluate(() => window.pelvaronReadyMs);
  console.log(`navigation to ready: ${readyMs.toFixed(0)} ms`);
  console.log(`bytes transferred (gzip) by the first load: ${bytesTransferred}`);
});

after(async () => {
  await chromium?.close();
  server?.close();
});

test("Al-Fatihah in every part combination reads as pelvaron insert --format text", async () => {
  const cases = [];
  for (const [arab, latin, terjemah] of [[1, 0, 1], [1, 0, 0], [0, 0, 1], [0, 1, 0], [1, 1, 0], [0, 1, 1], [1, 1, 1]]) {
    for (const perVerse of [false, true]) {
      const flags = [];
      if (!arab && !terjemah) flags.push("bagian=latin");
      else if (arab !== terjemah) flags.push(arab ? "arab" : "terjemah");
      if (latin && (arab || terjemah)) flags.push("latin");
      if (perVerse) flags.push("perayat");
      const mode = arab && terjemah ? "all" : arab ? "arabic" : terjemah ? "translation" : "latin";
      const options = ["--mode", mode, ...(latin && mode !== "latin" ? ["--latin"] : []),
                       ...(perVerse ? ["--per-verse"] : [])];
      cases.push([`#1:1-7${flags.length ? "?" + flags.join("&") : ""}`, options]);
    }
  }
  cases.push(["#1:1-7?arab&baris&cite=arabic", ["--mode", "arabic", "--line-per-verse", "--cite", "arabic"]],
             ["#1:2-4?terjemah&cite=qs", ["--mode", "translation", "--cite", "qs"]]);
  for (const [hash, options] of cases) {
    await goHash(hash);
    const [, first, last] = /1:(\d)-(\d)/.exec(hash);
    assert.equal(await previewText(), cliText(1, first, last, ...options), hash);
  }
});

test("a juz, a page and a range across surahs read as pelvaron insert --juz, --page, --from/--to", async () => {
  for (const [hash, args, scope] of [
    ["#juz30", ["--juz", "30"], "juz"],
    ["#halaman502?latin&perayat", ["--page", "502", "--latin", "--per-verse"], "halaman"],
    ["#halaman1?cite=short", ["--page", "1", "--cite", "short"], "halaman"],
    ["#8:70-9:5?arab&cite=qs", ["--from", "8:70", "--to", "9:5", "--mode", "arabic", "--cite", "qs"], "surat"],
  ]) {
    await goHash(hash);
    assert.equal(await message(), "", hash);
    assert.equal(await previewText(), cli("insert", ...args, "--format", "text").toString("utf8"), hash);
    assert.equal(await page.$eval("#scope", (s) => s.value), scope, hash);
  }
  // Picked in the form: the address follows.
  const pick = (id, value) => page.$eval(id, (e, v) => { e.value = v; e.dispatchEvent(new Event("change")); }, value);
  await pick("#to-surah", "10");
  assert.equal(await page.evaluate(() => location.hash), "#8:70-10:109?arab&cite=qs");
  await page.select("#scope", "juz");
  await page.select("#juz", "29");
  assert.equal(await page.evaluate(() => location.hash), "#juz29?arab&cite=qs");
});

test("a juz or page outside the mushaf gets the engine's message and no preview", async () => {
  for (const [hash, refusal] of [["#juz31", "juz 31 does not exist (1 to 30)"],
                                 ["#halaman605", "page 605 does not exist (1 to 604)"]]) {
    await goHash(hash);
    assert.equal(await message(), refusal, hash);
    assert.equal(await previewText(), "", hash);
  }
});

test("Unduh .docx gives the bytes pelvaron insert writes", async () => {
  const downloads = mkdtempSync(join(tmpdir(), "pelvaron-download-"));
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  for (const [hash, name, args] of [
    ["#2:255-257?latin&cite=qs", "al-quran-2-255-257.docx", ["--surah", "2", "--first", "255", "--last", "257", "--latin", "--cite", "qs"]],
    ["#juz30?latin", "al-quran-juz-30.docx", ["--juz", "30", "--latin"]],
  ]) {
    await goHash(hash);
    await page.click("#download");
    // Juz 30's .docx takes the engine seconds, more on a busy machine.
    for (let i = 0; i < 600 && !readdirSync(downloads).includes(name); i++) await new Promise((r) => setTimeout(r, 100));
    const downloaded = readFileSync(join(downloads, name));
    const expected = cli("insert", ...args, "-o", "-", "--format", "docx");
    assert.ok(downloaded.equals(expected), `${name}: ${downloaded.length} bytes, the CLI's ${expected.length}`);
  }
  rmSync(downloads, { recursive: true, force: true });
});

test("Salin puts right-to-left Arabic in the Quran font, italic Latin and the plain text on the clipboard", async () => {
  await goHash("#1:1-7?latin");
  await page.bringToFront();
  await page.click("#copy");
  assert.equal(await message(), "");
  await page.waitForFunction(() => document.getElementById("status").textContent.startsWith("Tersalin"));
  const clip = await page.evaluate(async () => {
    const [item] = await navigator.clipboard.read();
    const html = await (await item.getType("text/html")).text();
    const text = await (await item.getType("text/plain")).text();
    const doc = new DOMParser().parseFromString(html, "text/html");
    const paragraphs = [...doc.querySelectorAll("p")].map((p) => ({
      dir: p.getAttribute("dir"), arabic: /[\u0600-\u06ff]/.test(p.textContent),
      fonts: [...p.querySelectorAll("span")].map((s) => s.style.fontFamily.split(",")[0].replace(/["']/g, "")),
      italic: p.querySelector("span") !== null &&
              [...p.querySelectorAll("span")].every((s) => s.style.fontStyle === "italic"),
    }));
    return { paragraphs, text };
  });
  const arabic = clip.paragraphs.filter((p) => p.arabic);
  assert.ok(arabic.length > 0);
  for (const p of arabic) {
    assert.equal(p.dir, "rtl");
    assert.ok(p.fonts.every((f) => f === "Amiri Quran"), p.fonts.join());
  }
  assert.ok(arabic.every((p) => !p.italic));
  const latinLines = cliText(1, 1, 7, "--mode", "latin").trimEnd().split("\n");
  assert.equal(clip.paragraphs.filter((p) => p.italic).length, latinLines.length);
  assert.ok(clip.paragraphs.some((p) => !p.arabic && !p.italic && p.dir === "ltr"));
  assert.equal(clip.text, cliText(1, 1, 7, "--latin"));
});

test("the search box finds what pelvaron find finds, and refuses as it does", async () => {
  const search = async (query) => {
    await page.$eval("#query", (q, v) => { q.value = v; }, query);
    await page.click("#search button[type=submit]");
    return page.$$eval("#results b", (bs) => bs.map((b) => b.textContent));
  };
  assert.equal((await search("ayat kursi"))[0], "2:255");
  const expected = cli("find", "--limit", "20", "rahmat", "hari", "kiamat").toString().trim().split("\n")
    .map((line) => line.split("\t")[0]);
  assert.deepEqual(await search("rahmat hari kiamat"), expected);
  assert.deepEqual(await search("   "), []);
  let refusal = "";
  try { cli("find", " "); } catch (e) { refusal = e.stderr.toString().replace(/^pelvaron: /, "").trim(); }
  assert.equal(await message(), refusal);
  // A result takes the form and the address to its verse.
  await search("ayat kursi");
  await Promise.all([page.waitForFunction(() => location.hash.startsWith("#2:255")), page.click("#results button")]);
  assert.equal(await page.$eval("#surah", (s) => s.value), "2. Al-Baqarah");
  // A juz result takes it across its surahs.
  assert.equal((await search("juz amma"))[0], "78:1-114:6");
  await Promise.all([page.waitForFunction(() => location.hash.startsWith("#78:1-114:6")), page.click("#results button")]);
});

test("a verse outside the surah gets the command line's message and no preview", async () => {
  await goHash("#2:999");
  assert.equal(await message(), "Ayat tidak ada!!!");
  assert.equal(await previewText(), "");
  assert.ok(await page.$eval("#download", (b) => b.disabled));
});

test("the address round-trips through the form, and the surah picker finds a name typed in part", async () => {
  await goHash("#36:1-12?terjemah&latin&perayat&cite=short");
  const form = () => page.evaluate(() => ({
    surah: document.getElementById("surah").value, first: document.getElementById("first").value,
    last: document.getElementById("last").value, arab: document.getElementById("part-arab").checked,
    latin: document.getElementById("part-latin").checked, terjemah: document.getElementById("part-terjemah").checked,
    perVerse: document.getElementById("layout-verse").checked, cite: document.getElementById("cite").value,
    hash: location.hash }));
  assert.deepEqual(await form(), { surah: "36. Ya-Sin", first: "1", last: "12", arab: false, latin: true,
                                   terjemah: true, perVerse: true, cite: "short",
                                   hash: "#36:1-12?terjemah&latin&perayat&cite=short" });
  await page.click("#part-arab");
  assert.equal((await form()).hash, "#36:1-12?latin&perayat&cite=short");
  await page.reload({ waitUntil: "load" });
  await page.waitForSelector("html[data-ready]");
  assert.equal((await form()).arab, true);
  assert.equal(await previewText(), cliText(36, 1, 12, "--latin", "--per-verse", "--cite", "short"));
  await page.$eval("#surah", (s) => { s.value = "al-baq"; s.dispatchEvent(new Event("change")); });
  assert.deepEqual(await form(), { surah: "2. Al-Baqarah", first: "1", last: "286", arab: true, latin: true,
                                   terjemah: true, perVerse: true, cite: "short",
                                   hash: "#2:1-286?latin&perayat&cite=short" });
});

test("every state of the form survives its address, no part ticked included", async () => {
  const failures = await page.evaluate(async () => {
    const { formatAddress, parseAddress } = await import("./address.js");
    const wrong = [];
    const none = { surah: 0, first: 0, last: 0, toSurah: 0, juz: 0, page: 0 };
    const ranges = [{ ...none, surah: 2, first: 255, last: 255 }, { ...none, surah: 2, first: 255, last: 256 },
                    { ...none, surah: 78, first: 1, toSurah: 114, last: 6 }, { ...none, juz: 30 }, { ...none, page: 502 }];
    for (let bits = 0; bits < 32 * ranges.length; bits++) {
      for (const cite of ["none", "qs", "short", "arabic"]) {
        const choice = { ...ranges[bits >> 5], arab: !!(bits & 2), terjemah: !!(bits & 4),
                         latin: !!(bits & 8), perVerse: !!(bits & 16), linePerVerse: bits % 3 === 0, cite };
        const address = formatAddress(choice);
        const back = parseAddress(address);
        if (Object.keys(choice).some((key) => back[key] !== choice[key])) wrong.push(address);
      }
    }
    return wrong;
  });
  assert.deepEqual(failures, []);
  // With nothing ticked the page refuses, and a reload keeps the refusal.
  await goHash("#1:1-7");
  for (const id of ["#part-arab", "#part-terjemah"]) await page.click(id);
  const refusal = "Pilih sedikitnya satu bagian: Arab, Latin atau Terjemah.";
  assert.equal(await message(), refusal);
  await page.reload({ waitUntil: "load" });
  await page.waitForSelector("html[data-ready]");
  const ticked = await page.$$eval("fieldset input[type=checkbox][id^=part-]", (boxes) => boxes.map((b) => b.checked));
  assert.deepEqual(ticked, [false, false, false]);
  assert.equal(await message(), refusal);
  assert.equal(await previewText(), "");
  assert.ok(await page.$eval("#download", (b) => b.disabled));
  await goHash("#1:1-7");
});

test("a malformed address gets the first view and a short message, never a dead page", async () => {
  await page.evaluate(() => localStorage.clear());
  await page.goto("about:blank");
  await page.goto(origin + "/#2:255?cite=%", { waitUntil: "load" });
  await page.waitForSelector("html[data-ready]", { timeout: 10000 });
  assert.match(await message(), /^Alamat tidak dikenal/);
  assert.equal(await previewText(), cliText(1, 1, 7));
  assert.equal(await page.evaluate(() => location.hash), "#1:1-7");
  // Typed over a page already shown: the same.
  await goHash("#2:255");
  await goHash("#2:255-256?perayat&cite=%E0%A4%A");
  assert.match(await message(), /^Alamat tidak dikenal/);
  assert.equal(await previewText(), cliText(1, 1, 7));
  await goHash("#2:255");
  assert.equal(await message(), "");
});

test("figures, screenshots, and nothing asked of another origin", async () => {
  await goHash("#1:1-7");
  // From the address's change to the frame after the preview's layout.
  const frameMs = await page.evaluate(() => new Promise((done) => {
    const t0 = performance.now();
    addEventListener("hashchange", () => requestAnimationFrame(() => setTimeout(() => done(performance.now() - t0))),
                     { once: true });
    location.hash = "#2:1-286?latin";
  }));
  const renderMs = await page.evaluate(() => window.pelvaronLastRenderMs);
  console.log(`Al-Baqarah, all parts, preview: ${renderMs.toFixed(0)} ms in the engine and the DOM, ` +
              `${frameMs.toFixed(0)} ms to the next frame`);
  // The engine's time for long requests, all parts: the preview, and the .docx (font fetched already).
  for (const hash of ["#juz30?latin", "#1:1-114:6?latin"]) {
    await goHash(hash);
    const ms = await page.evaluate(async () => {
      const preview = window.pelvaronLastRenderMs;
      document.getElementById("download").click();
      while (window.pelvaronLastDocxMs === undefined) await new Promise((r) => setTimeout(r, 20));
      const docx = window.pelvaronLastDocxMs;
      window.pelvaronLastDocxMs = undefined;
      return { preview, docx };
    });
    console.log(`${hash}: preview ${ms.preview.toFixed(0)} ms (engine and DOM), .docx ${ms.docx.toFixed(0)} ms`);
  }
  mkdirSync(artifacts, { recursive: true });
  for (const [width, height, hash] of [[360, 740, "#1:1-7?latin"], [390, 844, "#2:255-257?latin&cite=qs"],
                                      [1280, 800, "#1:1-7?latin&perayat&cite=arabic"]]) {
    await page.setViewport({ width, height });
    await goHash(hash);
    await page.evaluate(() => document.fonts.ready);
    await page.screenshot({ path: join(artifacts, `page-${width}x${height}.png`), fullPage: true });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
    assert.ok(overflow <= 0, `${width}px: ${overflow}px wider than the window`);
  }
  assert.deepEqual(foreignRequests, []);
  assert.deepEqual(consoleErrors, []);
});

test("the page can be installed, and after the first visit it works offline", async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  assert.deepEqual((await cdp.send("Page.getInstallabilityErrors")).installabilityErrors, []);
  console.log(`bytes the server sent in all (gzip), the service worker's copies included: ${server.bytesSent}`);
  await page.setOfflineMode(true);
  await page.goto(origin + "/#112:1-4?arab", { waitUntil: "load" });
  await page.waitForSelector("html[data-ready]");
  assert.equal(await previewText(), cliText(112, 1, 4, "--mode", "arabic"));
  await page.setOfflineMode(false);
});
