// SPDX-License-Identifier: GPL-3.0-or-later
// Beside the station SSID: what the number usually means on APRS. Beside each
// analog channel: what its coefficients make of the raw samples 0 to 255.

import { besideField, liveText, follow } from './common.js';

export function wireHints(form, core) {
  const { Ssid } = core.setting;
  const hint = besideField(form, Ssid, liveText('Ssid_hint', 'SSID convention'));
  follow(form, [Ssid], () => {
    hint.textContent = core.ssidHint(form.controls.get(Ssid).value);
  });

  // An analog channel's row: its coefficients a, b, c and its units.
  core.channels().analog.forEach(({ coefa: a, coefb: b, coefc: c, units }, i) => {
    const range = besideField(form, c, liveText(`Teleanalog${i + 1}_range`, 'Range of reported values'));
    range.title = 'What receivers show for raw samples 0 to 255.';
    follow(form, [a, b, c, units], () => {
      const value = (n) => form.controls.get(n).value;
      const r = core.analogRange(value(a), value(b), value(c));
      range.textContent = r ? `${r.lowText} … ${r.highText} ${value(units)}` : 'not numbers';
    });
  });
}
