// The request in the page's address, so it can be shared: "#S:A-B?flags", e.g.
// "#2:255-257?latin&cite=qs". Flags: arab, terjemah (both when neither is named), latin,
// perayat (a paragraph per verse), cite=qs|short|arabic.

const CITES = new Set(["none", "qs", "short", "arabic"]);

export function parseAddress(hash) {
  const match = /^#?(\d+):(\d+)(?:-(\d+))?(?:\?(.*))?$/.exec(decodeURIComponent(hash || ""));
  if (!match) return null;
  const flags = new URLSearchParams(match[4] || "");
  const arab = flags.has("arab");
  const terjemah = flags.has("terjemah");
  const cite = flags.get("cite") || "none";
  return {
    surah: Number(match[1]),
    first: Number(match[2]),
    last: Number(match[3] || match[2]),
    arab: arab || !terjemah,
    terjemah: terjemah || !arab,
    latin: flags.has("latin"),
    perVerse: flags.has("perayat"),
    cite: CITES.has(cite) ? cite : "none",
  };
}

export function formatAddress(choice) {
  const flags = [];
  if (choice.arab !== choice.terjemah) flags.push(choice.arab ? "arab" : "terjemah");
  if (choice.latin) flags.push("latin");
  if (choice.perVerse) flags.push("perayat");
  if (choice.cite !== "none") flags.push("cite=" + choice.cite);
  const range = choice.last === choice.first ? `${choice.first}` : `${choice.first}-${choice.last}`;
  return `#${choice.surah}:${range}` + (flags.length ? "?" + flags.join("&") : "");
}

// `pelvaron insert --mode` for the parts chosen; null when none is.
export function modeOf(choice) {
  if (choice.arab && choice.terjemah) return "all";
  if (choice.arab) return "arabic";
  if (choice.terjemah) return "translation";
  return null;
}
