// The pane's manifest checked offline: converted to the JSON manifest with Microsoft's
// converter and validated against the schema that office-addin-manifest ships (the XML
// validator needs a web service). A broken manifest must be refused. Also: tsc --checkJs with
// @types/office-js over the pane's JavaScript.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const repo = resolve(here, "../..");
const paneFolder = process.env.PELVARON_OFFICE_SITE || join(repo, "build/office");
const { validateManifest } = createRequire(import.meta.url)("office-addin-manifest/lib/validate.js");
const bin = (name) => join(here, "node_modules/.bin", name);
const SCHEMA = "1.23";  // the newest the converter's output and the validator's types agree on

// Errors found in the XML manifest text; none: it converts and validates.
async function manifestErrors(xml) {
  const dir = mkdtempSync(join(tmpdir(), "pelvaron-manifest-"));
  try {
    writeFileSync(join(dir, "manifest.xml"), xml);
    const converted = spawnSync(bin("office-addin-manifest-converter"), ["convert", join(dir, "manifest.xml"),
      "--output", join(dir, "json"), "--schema-version-override", SCHEMA, "--schema-override",
      `https://developer.microsoft.com/json-schemas/teams/v${SCHEMA}/MicrosoftTeams.schema.json`], { encoding: "utf8" });
    const json = join(dir, "json", "manifest.json");
    if (!existsSync(json)) return [`the converter refused it ${converted.stdout}${converted.stderr}`.trim()];
    // The converter cuts a text past its JSON limit and marks it: the XML said too much.
    const cut = [...readFileSync(json, "utf8").matchAll(/"([^"]*)": "<TRUNCATED>/g)].map((m) => `${m[1]} too long`);
    const validation = await validateManifest(json).catch((e) => ({ isValid: false, report: { errors: [{ content: e.message }] } }));
    return [...cut, ...(validation.isValid ? [] : validation.report.errors.map((e) => e.content))];
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

const manifest = () => readFileSync(join(paneFolder, "manifest.xml"), "utf8");

test("the built manifest converts and validates with no error", async () => {
  const xml = manifest();
  assert.match(xml, /<SourceLocation DefaultValue="https:\/\/localhost:3000\/index.html"\/>/);
  assert.match(xml, /<Permissions>ReadWriteDocument<\/Permissions>/);
  assert.match(xml, /<OfficeTab id="TabHome">/);
  for (const size of [16, 32, 80]) {
    assert.match(xml, new RegExp(`<bt:Image size="${size}" resid="Pelvaron.Icon.${size}"/>`));
    const png = readFileSync(join(paneFolder, `assets/icon-${size}.png`));
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [size, size], `icon-${size}.png`);
  }
  assert.deepEqual(await manifestErrors(xml), []);
});

test("a broken manifest is refused", async () => {
  const broken = {
    "a Permissions value Word does not know": manifest().replace(">ReadWriteDocument<", ">WriteEverything<"),
    "a 200-character description": manifest().replace(/<Description DefaultValue="[^"]*"/,
                                                      `<Description DefaultValue="${"a".repeat(200)}"`),
  };
  for (const [what, xml] of Object.entries(broken)) {
    const errors = await manifestErrors(xml);
    assert.notDeepEqual(errors, [], what);
    console.log(`refused, ${what}: ${errors[0].slice(0, 160)}`);
  }
});

test("tsc --checkJs with @types/office-js finds no error in the pane's JavaScript", () => {
  const dir = mkdtempSync(join(tmpdir(), "pelvaron-tsc-"));
  try {
    const files = ["pane.js", "word.js", "choices.js", "pelvaron.js", "address.js", "form.js", "handout.js"];
    for (const name of files) copyFileSync(join(paneFolder, name), join(dir, name));
    copyFileSync(join(here, "engine.d.ts"), join(dir, "engine.d.ts"));
    writeFileSync(join(dir, "tsconfig.json"), JSON.stringify({
      compilerOptions: { allowJs: true, checkJs: true, noEmit: true, target: "es2022", module: "es2022",
                         moduleResolution: "bundler", lib: ["es2022", "dom", "dom.iterable"],
                         types: ["office-js"], typeRoots: [join(here, "node_modules/@types")] },
      files: [...files, "engine.d.ts"],
    }));
    const run = spawnSync(bin("tsc"), ["-p", dir], { encoding: "utf8" });
    assert.equal(run.status, 0, run.stdout + run.stderr);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
