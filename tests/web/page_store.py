"""The page's store (the browser's database "zemra6", web/js/store.js) as the
browser tests and the site's figures read and empty it, through the database
itself rather than the page's modules. Run with a driver's execute_script on a
page of the site."""

# Every item of one kind ("files", "recordings", "ends") as {name: value}, a
# file's bytes as base64; {} where the page never made the database.
STORE_ITEMS = """
const [kind] = arguments;
return new Promise((resolve) => {
  const open = indexedDB.open('zemra6');
  open.onupgradeneeded = () => open.transaction.abort();  // none yet: leave it to the page to make
  open.onerror = () => resolve({});
  open.onsuccess = () => {
    const db = open.result;
    const store = db.transaction(kind).objectStore(kind);
    const keys = store.getAllKeys();
    const values = store.getAll();
    const shown = (value) => value instanceof Uint8Array ? btoa(String.fromCharCode(...value)) : value;
    values.onsuccess = () => {
      db.close();
      resolve(Object.fromEntries(keys.result.map((key, i) => [key, shown(values.result[i])])));
    };
  };
});
"""

# Empties the store, as a new profile has it (the page reads it when it next loads).
CLEAR_STORE = """
return new Promise((resolve) => {
  const open = indexedDB.open('zemra6');
  open.onupgradeneeded = () => open.transaction.abort();
  open.onerror = () => resolve(false);
  open.onsuccess = () => {
    const db = open.result;
    const tx = db.transaction(db.objectStoreNames, 'readwrite');
    for (const name of db.objectStoreNames) tx.objectStore(name).clear();
    tx.oncomplete = () => { db.close(); resolve(true); };
  };
});
"""
