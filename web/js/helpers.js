// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings do on the air, beside the fields: the SmartBeaconing
// chart, the symbol picker, the position entry and the short hints. The core
// computes all of it; these files only show it.

import { wirePosition } from './helpers/position.js';
import { wireSymbols } from './helpers/symbols.js';
import { wireChart } from './helpers/chart.js';
import { wireHints } from './helpers/hints.js';

export function wireHelpers(form, core, refresh) {
  const setValue = (name, value) => {
    core.set(name, value);
    refresh();
  };
  wirePosition(form, core, setValue);
  wireSymbols(form, core, setValue);
  wireChart(form, core);
  wireHints(form, core);
}
