// The pane's last choices: Office's roaming settings where the host keeps them for the user,
// else this browser's localStorage.

const KEY = "pelvaron.pane";

function roaming() {
  return typeof Office !== "undefined" && Office.context && Office.context.roamingSettings
    ? Office.context.roamingSettings
    : null;
}

/** The choices saved last, or null. */
export function loadChoices() {
  try {
    const settings = roaming();
    const saved = settings ? settings.get(KEY) : JSON.parse(localStorage.getItem(KEY) || "null");
    return saved && typeof saved === "object" ? saved : null;
  } catch {
    return null;  // unreadable storage: the pane starts afresh
  }
}

/** @param {object} choice */
export function saveChoices(choice) {
  try {
    const settings = roaming();
    if (!settings) return localStorage.setItem(KEY, JSON.stringify(choice));
    settings.set(KEY, choice);
    settings.saveAsync();
  } catch {
    // storage refused (private window, full): the choices are simply not remembered
  }
}
