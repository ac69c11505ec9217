// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons that stand on the pages among the fields: "Default parameters"
// at the end of each telemetry channel's row, and "Special strings" on the
// "Beacons" page. What they do is the core's.

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

function button(id, caption, tooltip) {
  const b = document.createElement('button');
  b.type = 'button';
  b.id = id;
  b.className = 'page-button';
  b.textContent = caption;
  if (tooltip) b.title = tooltip;
  return b;
}

export function addPageButtons(form, core, refresh) {
  // A channel's row holds its source choice.
  const channels = core.channels();
  for (const kind of ['analog', 'digital']) {
    channels[kind].forEach(({ source }, i) => {
      const channel = i + 1;
      const control = form.controls.get(source);
      const b = button(`Button_tele${kind}${channel}_default`, 'Default parameters',
        `Default parameters for ${kind} channel.`);
      b.setAttribute('aria-label', `Default parameters for ${kind} channel ${channel}`);
      b.addEventListener('click', () => {
        core.defaultParameters(kind, channel);
        refresh();
      });
      (control.closest('.record') || control.closest('.field')).append(b);
    });
  }

  const beacons = form.controls.get(core.setting.Beacon1_message);
  if (beacons) {
    const b = button('Button_special_strings', 'Special strings');
    b.addEventListener('click', () => specialStrings(core));
    beacons.closest('[role=tabpanel]').prepend(b);
  }
}
