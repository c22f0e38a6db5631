// The request in the page's address, so it can be shared: "#S:A-B?flags", e.g.
// "#2:255-257?latin&cite=qs". Flags: arab, terjemah (both when neither is named), latin (the
// Latin reading too), bagian=latin (the Latin alone), perayat (verse by verse), baris (every
// Arabic verse its own paragraph), cite=qs|short|arabic.

const CITES = new Set(["none", "qs", "short", "arabic"]);

export function parseAddress(hash) {
  const match = /^#?(\d+):(\d+)(?:-(\d+))?(?:\?(.*))?$/.exec(decodeURIComponent(hash || ""));
  if (!match) return null;
  const flags = new URLSearchParams(match[4] || "");
  const latinAlone = flags.get("bagian") === "latin";
  const arab = flags.has("arab");
  const terjemah = flags.has("terjemah");
  const cite = flags.get("cite") || "none";
  return {
    surah: Number(match[1]),
    first: Number(match[2]),
    last: Number(match[3] || match[2]),
    arab: !latinAlone && (arab || !terjemah),
    terjemah: !latinAlone && (terjemah || !arab),
    latin: latinAlone || flags.has("latin"),
    perVerse: flags.has("perayat"),
    linePerVerse: flags.has("baris"),
    cite: CITES.has(cite) ? cite : "none",
  };
}

export function formatAddress(choice) {
  const flags = [];
  if (!choice.arab && !choice.terjemah) flags.push("bagian=latin");
  else if (choice.arab !== choice.terjemah) flags.push(choice.arab ? "arab" : "terjemah");
  if (choice.latin && (choice.arab || choice.terjemah)) flags.push("latin");
  if (choice.perVerse) flags.push("perayat");
  if (choice.linePerVerse) flags.push("baris");
  if (choice.cite !== "none") flags.push("cite=" + choice.cite);
  const range = choice.last === choice.first ? `${choice.first}` : `${choice.first}-${choice.last}`;
  return `#${choice.surah}:${range}` + (flags.length ? "?" + flags.join("&") : "");
}

// `pelvaron insert --mode` and --latin for the parts chosen; null when none is.
export function partsOf(choice) {
  const latin = choice.latin;
  if (choice.arab && choice.terjemah) return { mode: "all", latin };
  if (choice.arab) return { mode: "arabic", latin };
  if (choice.terjemah) return { mode: "translation", latin };
  return latin ? { mode: "latin", latin: false } : null;
}
