// SPDX-License-Identifier: GPL-3.0-or-later
// "Position…" on the "Radio" page: a position typed or pasted as people
// write it (decimal degrees, degrees and minutes, a locator) fills
// "Latitude:" and "Longitude:" in the device's form. Beside the fields: the
// position in decimal degrees and its locator.

import { besideField, helperButton, liveText, follow } from './common.js';
import { createDialog, createButton } from '../table.js';

function positionDialog(core, fill) {
  const dialog = createDialog('Position_entry', 'Station position');
  const label = document.createElement('label');
  label.htmlFor = 'Position_text';
  label.textContent = 'Position (decimal degrees, degrees and minutes, or a locator):';
  const input = document.createElement('input');
  input.type = 'text';
  input.id = 'Position_text';
  input.size = 40;
  input.placeholder = '52.38467, 16.96900   or   52°23\'04.8"N 16°58\'08.4"E   or   JO82lj';
  const result = document.createElement('p');
  result.id = 'Position_result';
  result.setAttribute('role', 'status');
  const ok = createButton('OK', 'Position_ok', () => {
    const p = core.parsePosition(input.value);
    if (!p) return;
    dialog.close();
    fill(p);
  });
  const update = () => {
    const p = core.parsePosition(input.value);
    ok.disabled = !p;
    result.textContent = p ? `Latitude and Longitude become ${p.deviceLatitude} ${p.deviceLongitude}.`
      : input.value.trim() ? 'Not a position: latitude first, then longitude.' : 'Type or paste a position.';
  };
  input.addEventListener('input', update);
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && !ok.disabled) ok.click();
  });
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  buttons.append(ok, createButton('Cancel', 'Position_cancel', () => dialog.close()));
  dialog.append(label, input, result, buttons);
  return { dialog, input, update };
}

export function wirePosition(form, core, setValue) {
  const { Latitude, Longitude } = core.setting;
  const fill = (p) => {
    setValue(Latitude, p.deviceLatitude);
    setValue(Longitude, p.deviceLongitude);
    document.dispatchEvent(new Event('zeru-settings-shown'));
  };
  let entry = null;
  const button = helperButton('Position…', 'Button_position_entry',
    'Enter the position as decimal degrees, degrees and minutes, or a Maidenhead locator.', 'Enter position');
  button.addEventListener('click', () => {
    entry = entry || positionDialog(core, fill);
    entry.input.value = '';
    entry.update();
    entry.dialog.showModal();
    entry.input.focus();
  });
  const summary = liveText('Position_summary', 'Position in decimal degrees and locator');
  besideField(form, Longitude, summary);
  summary.before(button);
  follow(form, [Latitude, Longitude], () => {
    const p = core.devicePosition(form.controls.get(Latitude).value, form.controls.get(Longitude).value);
    summary.textContent = p ? `${p.decimal}   ${p.locator}` : 'not a position the device takes';
  });

  // A whole position pasted into either field fills both.
  for (const name of [Latitude, Longitude]) {
    form.controls.get(name).addEventListener('paste', (event) => {
      const p = core.parsePosition(event.clipboardData.getData('text'));
      if (!p) return;
      event.preventDefault();
      fill(p);
    });
  }
}
