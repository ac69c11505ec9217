// SPDX-License-Identifier: GPL-3.0-or-later
// The device's configurations kept before writes and uploads, in the
// browser's IndexedDB: one record per backup with its raw memory (.bin) and,
// when it decodes, its settings as "Save to file" writes them (.cfg). The
// core names them; this file only keeps them.

const DATABASE = 'kestrovane-zeru';
const STORE = 'backups';

let opened = null;
function database() {
  if (!opened) {
    opened = new Promise((resolve, reject) => {
      const request = indexedDB.open(DATABASE, 1);
      request.onupgradeneeded = () => request.result.createObjectStore(STORE, { keyPath: 'name' });
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }
  return opened;
}

async function run(mode, work) {
  const db = await database();
  return new Promise((resolve, reject) => {
    const transaction = db.transaction(STORE, mode);
    const result = work(transaction.objectStore(STORE));
    transaction.oncomplete = () => resolve(result && 'result' in result ? result.result : undefined);
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error || new Error('aborted'));
  });
}

// Keeps a backup: {name, binName, cfgName, bin: Uint8Array, cfg: Uint8Array
// or null, label}. `name` is what the log tells.
export function keep(backup) {
  return run('readwrite', (store) => store.put({ ...backup, kept: Date.now() }));
}

// Every backup, newest first.
export async function list() {
  const all = await run('readonly', (store) => store.getAll());
  return all.sort((a, b) => b.kept - a.kept || (a.name < b.name ? 1 : -1));
}

export const get = (name) => run('readonly', (store) => store.get(name));
export const remove = (name) => run('readwrite', (store) => store.delete(name));

// Whether the browser may drop the backups when space runs short; asks it
// not to where it can.
export async function persist() {
  if (navigator.storage && navigator.storage.persist) return navigator.storage.persist();
  return false;
}
