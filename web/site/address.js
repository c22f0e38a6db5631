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

// "#S:A-B?flags", e.g. "#2:255-257?latin&cite=qs". Flags: arab, terjemah (both when neither
// is named), latin (the Latin reading too), bagian=P,Q (exactly the parts listed, of arab, latin,
// terjemah; none when empty), perayat (verse by verse), baris (every Arabic verse its own
// paragraph), cite=qs|short|arabic. The choice it names; null when there is no address; an
// Error saying so when it is malformed.
export function parseAddress(hash) {
  const address = (hash || "").replace(/^#/, "");
  if (!address) return null;
  const match = /^(\d+):(\d+)(?:-(\d+))?(?:\?(.*))?$/.exec(decoded(address) ?? "");
  const flags = new URLSearchParams(match?.[4] || "");
  const parts = match && partsOf(flags);
  if (!parts) throw new Error("Alamat tidak dikenal: #" + address);
  const cite = flags.get("cite") || "none";
  return {
    surah: Number(match[1]),
    first: Number(match[2]),
    last: Number(match[3] || match[2]),
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

export function formatAddress(choice) {
  const flags = partFlags(choice);
  if (choice.perVerse) flags.push("perayat");
  if (choice.linePerVerse) flags.push("baris");
  if (choice.cite !== "none") flags.push("cite=" + choice.cite);
  const range = choice.last === choice.first ? `${choice.first}` : `${choice.first}-${choice.last}`;
  return `#${choice.surah}:${range}` + (flags.length ? "?" + flags.join("&") : "");
}
