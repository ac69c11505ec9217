// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel run's small page (kernel_read.py): the core and Chromium's real
// WebHID, without the form, which an emulated machine takes minutes to build.
// Once a device granted by policy shows, "Read config" runs through the
// core's own flows; its log lines and boxes go back to the server.
import { loadCore } from './core/core.js';
import { WebHidTransport, ZERU_FILTER } from './core/hid-transport.js';

const report = (result) => fetch('report', { method: 'POST', body: JSON.stringify(result) });
const progress = (step) => fetch('progress', { method: 'POST', body: step });
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const log = [];
const boxes = [];
const ui = {
  log: (line) => log.push(...String(line).split(/\r\n|\r|\n/)),
  note: (line) => log.push(String(line)),
  information: (text) => boxes.push(text),
  message: (text) => boxes.push(text),
  error: (text) => boxes.push(text),
};

(async () => {
  const started = performance.now();
  progress('script running');
  const core = await loadCore({ ui, hid: new WebHidTransport({ chooseWhenNoneGranted: false }) });
  progress('core loaded');
  const granted = async () => (await navigator.hid.getDevices())
    .some((d) => d.vendorId === ZERU_FILTER.vendorId && d.productId === ZERU_FILTER.productId);
  while (!(await granted()) && performance.now() - started < 60000) await pause(200);
  progress(`device granted: ${await granted()}`);
  const read = await core.readConfig();
  progress(`read ended: ${read.outcome}`);
  await report({ read: read.done, outcome: read.outcome, log, box: boxes[0] ?? null, callsign: core.value('Callsign') });
})().catch((e) => report({ log: [...log, `failure: ${e}`] }));
