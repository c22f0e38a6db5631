// web/serve.mjs run as a program from a folder whose path needs percent-encoding in a URL: it
// must still see itself as the program and serve.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { copyFileSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const repo = resolve(dirname(fileURLToPath(import.meta.url)), "../..");

// The first line the program prints, or "" when it ends without one.
function firstLine(child) {
  return new Promise((done) => {
    let out = "";
    child.stdout.on("data", (chunk) => {
      out += chunk;
      if (out.includes("\n")) done(out.split("\n")[0]);
    });
    child.on("exit", () => done(out));
  });
}

test("serve.mjs serves from a folder with a space and a percent sign in its path", async () => {
  const root = mkdtempSync(join(tmpdir(), "pelvaron serve %20 "));
  const program = join(root, "web folder", "serve.mjs");
  mkdirSync(dirname(program));
  copyFileSync(join(repo, "web/serve.mjs"), program);
  const site = join(root, "site folder");
  mkdirSync(site);
  writeFileSync(join(site, "index.html"), "<!doctype html><title>t</title>\n");
  const child = spawn(process.execPath, [program, site, "0"], { stdio: ["ignore", "pipe", "inherit"] });
  try {
    const line = await firstLine(child);
    const url = /http:\/\/127\.0\.0\.1:\d+\//.exec(line);
    assert.ok(url, `the program printed ${JSON.stringify(line)}, no address`);
    const response = await fetch(url[0]);
    assert.equal(response.status, 200);
    assert.equal(await response.text(), "<!doctype html><title>t</title>\n");
  } finally {
    child.kill();
    rmSync(root, { recursive: true, force: true });
  }
});
