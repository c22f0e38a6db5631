// A stand-in for office.js inside Word, served to the pane in place of Microsoft's script. It
// records every call, checks argument shapes and requirement sets, and keeps Word's batch
// discipline: work is queued until context.sync(), a result read before its sync is an error,
// work queued and never synced is an error. window.standInConfig (set before the page loads)
// says what this Word supports and whether it refuses insertions.
(() => {
  const config = {
    host: "Word",
    sets: { WordApi: 1.3 },  // requirement set -> highest version supported
    fonts: null,             // font names Word lists (WordApiDesktop 1.4), null: none
    refuse: null,            // { code, message }: the sync that carries an insertion fails so
    ...(window.standInConfig || {}),
  };
  const calls = [];
  const violations = [];
  const inserted = [];
  window.standIn = { config, calls, violations, inserted };
  const record = (name, args = []) => calls.push({ name, args });
  const violation = (what) => {
    violations.push(what);
    throw new Error(`stand-in: ${what}`);
  };
  const supports = (name, version) => (config.sets[name] || 0) >= Number(version);
  const need = (set, version, what) => supports(set, version) || violation(`${what} needs ${set} ${version}`);

  // A value Word fills in at the next sync.
  class ClientResult {
    constructor(context, compute) {
      this.loaded = false;
      context.queue.push(() => { this.loaded = true; this.result = compute(); });
    }
    get value() {
      if (!this.loaded) violation("PropertyNotLoaded: a result read before context.sync()");
      return this.result;
    }
  }

  class Range {
    constructor(context) { this.context = context; }
    insertOoxml(ooxml, where) {
      record("Range.insertOoxml", [ooxml, where]);
      need("WordApi", "1.1", "insertOoxml");
      if (typeof ooxml !== "string" || !ooxml.startsWith("<?xml")) violation("insertOoxml: not an XML string");
      if (!["Replace", "Start", "End"].includes(where)) violation(`insertOoxml: location ${where}`);
      this.context.queue.push(() => inserted.push(ooxml));
      this.context.carriesInsertion = true;
      return new Range(this.context);
    }
  }

  class FontNameCollection {
    constructor(context) { this.context = context; }
    getCount() {
      record("FontNameCollection.getCount");
      return new ClientResult(this.context, () => config.fonts.length);
    }
    getItemAt(index) {
      record("FontNameCollection.getItemAt", [index]);
      if (!Number.isInteger(index)) violation(`getItemAt(${index})`);
      return new ClientResult(this.context, () => config.fonts[index]);
    }
  }

  class RequestContext {
    constructor() {
      this.queue = [];
      this.carriesInsertion = false;
      this.document = { getSelection: () => (record("Document.getSelection"), new Range(this)) };
    }
    get application() {
      const context = this;
      return {
        get fontNames() {
          need("WordApiDesktop", "1.4", "Application.fontNames");
          return new FontNameCollection(context);
        },
      };
    }
    async sync() {
      record("RequestContext.sync");
      const work = this.queue.splice(0);
      if (this.carriesInsertion && config.refuse) {
        this.carriesInsertion = false;
        throw Object.assign(new Error(config.refuse.message), { name: "RichApi.Error", code: config.refuse.code });
      }
      this.carriesInsertion = false;
      for (const step of work) step();
    }
  }
  window.Word = {
    InsertLocation: { replace: "Replace", start: "Start", end: "End", before: "Before", after: "After" },
    async run(batch) {
      record("Word.run");
      if (typeof batch !== "function") violation("Word.run without a batch function");
      const context = new RequestContext();
      const result = await batch(context);
      if (context.queue.length) violation("work queued and never synced");
      return result;
    },
  };

  window.OfficeExtension = { Error };
  window.Office = {
    HostType: { Word: "Word", Excel: "Excel", PowerPoint: "PowerPoint", Outlook: "Outlook" },
    PlatformType: { OfficeOnline: "OfficeOnline" },
    context: {
      requirements: {
        isSetSupported(name, version) {
          record("isSetSupported", [name, version]);
          if (typeof name !== "string" || typeof version !== "string") violation("isSetSupported(name, version) as strings");
          return supports(name, version);
        },
      },
    },
    onReady(callback) {
      record("Office.onReady");
      const info = { host: config.host === "Word" ? "Word" : null, platform: "OfficeOnline" };
      if (callback) callback(info);
      return Promise.resolve(info);
    },
  };
})();
