// SPDX-License-Identifier: GPL-3.0-or-later
// "Backups": the configurations kept before each write and upload, newest
// first, each downloadable as .cfg and .bin and restorable: its .cfg loads as
// "Read from file" loads a file, and "Write config" then puts it on the device.

import * as store from './backup-store.js';
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

export async function openBackups(core) {
  const box = dialog();
  const table = box.querySelector('table');
  const backups = await store.list();
  box.querySelector('#Backups_note').textContent = backups.length
    ? 'Kept in this browser before each write and upload. "Restore" loads one as "Read from file" does; "Write config" then puts it on the device.'
    : 'No backups yet: one is kept in this browser before each write and upload.';
  const body = table.tBodies[0];
  body.replaceChildren();
  for (const b of backups) {
    const row = body.insertRow();
    row.insertCell().textContent = b.stamp || new Date(b.kept).toLocaleString();
    row.insertCell().textContent = b.label || '';
    const files = row.insertCell();
    if (b.cfg) files.append(createButton(b.cfgName, null, () => download(b.cfg, b.cfgName, 'text/plain')));
    files.append(createButton(b.binName, null, () => download(b.bin, b.binName)));
    const actions = row.insertCell();
    if (b.cfg) {
      actions.append(createButton('Restore', null, async () => {
        box.close();
        await core.readFromFile(b.cfgName, b.cfg);
        document.dispatchEvent(new Event('zeru-settings-loaded'));
      }));
    }
  }
  await new Promise((resolve) => {
    box.addEventListener('close', resolve, { once: true });
    box.showModal();
  });
}
