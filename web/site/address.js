// The form's choice in the page's address and back, so a request can be shared and reloaded.

const CITES = new Set(["none", "qs", "short", "arabic"]);
const PARTS = ["arab", "latin", "terjemah"];

function decoded(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return null;  // a "%" that starts no escape
  }
}

// { arab, latin, terjemah }, or null when `bagian` names something else.
function partsOf(flags) {
  if (flags.has("bagian")) {
    const listed = flags.get("bagian").split(",").filter(Boolean);
    if (listed.some((part) => !PARTS.includes(part))) return null;
    return { arab: listed.includes("arab"), latin: listed.includes("latin"), terjemah: listed.includes("terjemah") };
  }
  const arab = flags.has("arab");
  const terjemah = flags.has("terjemah");
  return { arab: arab || !terjemah, latin: flags.has("latin"), terjemah: terjemah || !arab };
}

// The verses the address names: "S:A-B" within a surah, "S:A-T:B" from one surah to another,
// "juz30" a juz, "halaman502" a page of the mushaf. Fields the other kinds leave unset are 0.
const RANGE = /^(?:juz([1-9]\d*)|halaman([1-9]\d*)|(\d+):(\d+)(?:-(?:(\d+):)?(\d+))?)$/;

function rangeOf(text) {
  const m = RANGE.exec(text);
  if (!m) return null;
  if (m[1] || m[2]) return { surah: 0, first: 0, last: 0, toSurah: 0, juz: Number(m[1] || 0), page: Number(m[2] || 0) };
  const toSurah = Number(m[5] || 0);
  return { surah: Number(m[3]), first: Number(m[4]), last: Number(m[6] || m[4]),
           toSurah: toSurah === Number(m[3]) ? 0 : toSurah, juz: 0, page: 0 };
}

// "#RANGE?flags", e.g. "#2:255-257?latin&cite=qs", "#juz30?latin". Flags: arab, terjemah (both
// when neither is named), latin (the Latin reading too), bagian=P,Q (exactly the parts listed,
// of arab, latin, terjemah; none when empty), perayat (verse by verse), baris (every Arabic
// verse its own paragraph), cite=qs|short|arabic. The choice it names; null when there is no
// address; an Error saying so when it is malformed.
export function parseAddress(hash) {
  const address = (hash || "").replace(/^#/, "");
  if (!address) return null;
  const match = /^([^?]*)(?:\?(.*))?$/.exec(decoded(address) ?? "");
  const range = match && rangeOf(match[1]);
  const flags = new URLSearchParams(match?.[2] || "");
  const parts = range && partsOf(flags);
  if (!parts) throw new Error("Alamat tidak dikenal: #" + address);
  const cite = flags.get("cite") || "none";
  return {
    ...range,
    ...parts,
    perVerse: flags.has("perayat"),
    linePerVerse: flags.has("baris"),
    cite: CITES.has(cite) ? cite : "none",
  };
}

// The parts in the shortest flags that name them exactly.
function partFlags(choice) {
  if (!choice.arab && !choice.terjemah) return ["bagian=" + (choice.latin ? "latin" : "")];
  const flags = choice.arab === choice.terjemah ? [] : [choice.arab ? "arab" : "terjemah"];
  return choice.latin ? [...flags, "latin"] : flags;
}

function rangeText(choice) {
  if (choice.juz) return `juz${choice.juz}`;
  if (choice.page) return `halaman${choice.page}`;
  if (choice.toSurah && choice.toSurah !== choice.surah) return `${choice.surah}:${choice.first}-${choice.toSurah}:${choice.last}`;
  return `${choice.surah}:` + (choice.last === choice.first ? `${choice.first}` : `${choice.first}-${choice.last}`);
}

export function formatAddress(choice) {
  const flags = partFlags(choice);
  if (choice.perVerse) flags.push("perayat");
  if (choice.linePerVerse) flags.push("baris");
  if (choice.cite !== "none") flags.push("cite=" + choice.cite);
  return `#${rangeText(choice)}` + (flags.length ? "?" + flags.join("&") : "");
}
