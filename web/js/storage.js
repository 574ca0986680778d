// The browser's local storage for the page's small settings (language,
// sound), or, where the browser refuses it (storage turned off, a private
// mode without it), a stand-in that lasts this visit. Saves and recordings
// live in the store (store.js).

class VisitStorage {
  constructor() {
    this.items = new Map();
  }

  get length() {
    return this.items.size;
  }

  key(index) {
    return [...this.items.keys()][index] ?? null;
  }

  getItem(key) {
    return this.items.has(key) ? this.items.get(key) : null;
  }

  setItem(key, value) {
    this.items.set(key, String(value));
  }

  removeItem(key) {
    this.items.delete(key);
  }
}

export function openStorage() {
  try {
    const storage = window.localStorage;
    const probe = "zemra6/probe";
    storage.setItem(probe, "1");
    storage.removeItem(probe);
    return { storage };
  } catch {
    return { storage: new VisitStorage() };
  }
}
