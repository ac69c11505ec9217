// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons that stand on the pages among the fields: "Default parameters"
// of each telemetry channel and "Special strings" on the "Beacons" page. The
// core says where each stands and what it does.

import { createDialog, closeButton } from './table.js';

function specialStrings(core) {
  let dialog = document.getElementById('Form2');
  if (!dialog) {
    const reference = core.specialStrings();
    dialog = createDialog('Form2', reference.caption);
    const text = document.createElement('div');
    text.className = 'reference';
    for (const line of reference.lines) {
      const p = document.createElement('p');
      p.textContent = line;
      text.append(p);
    }
    const buttons = document.createElement('div');
    buttons.className = 'dialog-buttons';
    buttons.append(closeButton(dialog));
    dialog.append(text, buttons);
  }
  dialog.showModal();
}

export function addPageButtons(form, core, refresh) {
  for (const b of core.pageButtons()) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = b.name;
    button.textContent = b.caption;
    if (b.tooltip) button.title = b.tooltip;
    if (b.spokenName) button.setAttribute('aria-label', b.spokenName);
    const field = form.controls.get(b.after).closest('.field');
    field.after(button);
    button.classList.add('page-button');
    button.addEventListener('click', () => {
      if (b.name === 'Button_special_strings') {
        specialStrings(core);
        return;
      }
      core.pressButton(b.name);
      refresh();
    });
  }
}
