// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings do on the air, beside the fields: the SmartBeaconing
// chart, the symbol picker and the position entry. The core computes all.

export function wireHelpers(form, core, refresh) {
  void form;
  void core;
  void refresh;
}
