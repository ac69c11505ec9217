// SPDX-License-Identifier: GPL-3.0-or-later
// "Backups": the device's configurations kept in the browser before each
// write and upload, newest first, each downloadable as .cfg and .bin and
// restorable: its .cfg loads as "Read from file" loads a file, and "Write
// config" then puts it on the device.

import { download } from './download.js';
import { createTable, createDialog, createButton, closeButton } from './table.js';

function dialog() {
  let box = document.getElementById('Backups_window');
  if (box) return box;
  box = createDialog('Backups_window', 'Backups');
  const note = document.createElement('p');
  note.id = 'Backups_note';
  const table = createTable(['Kept', 'Station', 'Files', ''], 'Backups');
  table.id = 'Backups_list';
  const list = document.createElement('div');
  list.className = 'list-box';
  list.append(table);
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  buttons.append(closeButton(box));
  box.append(note, list, buttons);
  return box;
}

const stem = (name) => name.replace(/\.(cfg|bin)$/, '');

// Shows the list; resolves when it is closed (after a restore, with true).
export function openBackups(core) {
  const box = dialog();
  const backups = core.backups();
  box.querySelector('#Backups_note').textContent = backups.length
    ? 'Kept in this browser before each write and upload. Restore loads one as "Read from file" does.'
    : 'None yet: one is kept in this browser before each write and upload.';
  const body = box.querySelector('tbody');
  body.replaceChildren();
  let restored = false;
  for (const b of backups) {
    const row = body.insertRow();
    row.insertCell().textContent = b.stamp;
    row.insertCell().textContent = b.station;
    const files = row.insertCell();
    const names = b.hasCfg ? [`${stem(b.name)}.cfg`, `${stem(b.name)}.bin`] : [b.name];
    for (const name of names) {
      files.append(createButton(name, null, () => {
        const bytes = core.backupFile(name);
        if (bytes) download(bytes, name, name.endsWith('.cfg') ? 'text/plain' : 'application/octet-stream');
      }));
    }
    const actions = row.insertCell();
    if (b.hasCfg) {
      const restore = createButton('Restore', null, async () => {
        box.close();
        restored = core.restoreBackup(b.name);
      });
      restore.setAttribute('aria-label', `Restore ${b.name}`);
      actions.append(restore);
    }
  }
  return new Promise((resolve) => {
    box.addEventListener('close', () => resolve(restored), { once: true });
    box.showModal();
  });
}
