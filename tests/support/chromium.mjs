// The headless Chromium the browser suites drive: Debian's (or PELVARON_CHROMIUM), in a profile
// of its own that close() removes, with nothing of its own on the network.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

// `puppeteer`: the suite's own puppeteer-core (each suite pins it in its package.json).
export async function launchChromium(puppeteer) {
  const profile = mkdtempSync(join(tmpdir(), "pelvaron-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.PELVARON_CHROMIUM || "/usr/bin/chromium",
    userDataDir: profile,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
