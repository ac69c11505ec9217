// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one door to the core compiled to WebAssembly: it loads the
// module, hands it the page's user interface and device, and offers the
// calls the rest of the page makes. Nothing here decides anything about the
// settings; it only translates.

import createZeruCore from '../core/zeru-core.js';
import { createHidTransport } from '../core/hid-transport.js';

const BACKUPS = '/backups';

// The seven pages as the window shows them, from the core's description.
function describe(module) {
  return JSON.parse(module.formDescriptionJson());
}

export async function loadCore(ui) {
  let device = null;
  const module = await createZeruCore({
    zeruUi: ui,
    zeruHid: createHidTransport(() => device),
    // The backup folder lives in the browser's storage (IndexedDB); a backup
    // is written through before the command goes on.
    zeruPersistBackups: () => sync(false),
  });
  const sync = (populate) => new Promise((resolve) => {
    module.FS.syncfs(populate, (failure) => resolve(!failure));
  });
  module.FS.mkdir(BACKUPS);
  module.FS.mount(module.IDBFS, {}, BACKUPS);
  await sync(true);
  const session = new module.Session();
  const handle = session.handle();
  const description = describe(module);
  const texts = module.texts();
  const names = [];
  const walk = (page) => {
    page.pages.forEach(walk);
    page.groups.forEach((g) => g.settings.forEach((s) => names.push(s.name)));
  };
  description.pages.forEach(walk);
  const device_ = (entry) => module.ccall(entry, 'number', ['number'], [handle], { async: true });

  return {
    ui,
    texts,
    description: () => description,
    values: () => session.values(),
    enabledStates: () => Object.fromEntries(names.map((n) => [n, session.enabled(n)])),
    setValue: (name, value) => session.set(name, value),
    defaultParameters: (kind, channel) => session.defaultParameters(kind, channel),
    specialStrings: () => module.specialStrings(),
    problems: () => session.problems(),
    changes: () => session.changes(),
    revert: (settings) => session.revert(settings),
    hasUnsavedChanges: () => session.hasUnsavedChanges(),

    useDevice: (chosen) => { device = chosen; },
    readConfig: () => device_('zeru_read_config'),
    writeConfig: async () => {
      const written = await device_('zeru_write_config');
      // Refused settings: the field of the first error is shown.
      const refused = module.ccall('zeru_last_outcome', 'number', ['number'], [handle]) === 1
        ? (session.problems().find((p) => p.severity === 'error') || {}).setting : undefined;
      return { written: written === 1, refused };
    },
    uploadFirmware: () => device_('zeru_upload_firmware'),

    saveToFile: async () => {
      const file = session.saveToFile();
      return file.saved ? { name: file.name, bytes: file.bytes } : { refused: file.refusedSetting || undefined };
    },
    readFromFile: async (name, bytes) => session.readFromFile(bytes, name),
    backups: () => session.backups(),
    backupFile: (name) => session.backupFile(name),
    restoreBackup: (name) => session.restoreBackup(name),

    // What the settings do on the air.
    ssidHint: (ssid) => module.ssidHint(ssid),
    analogRange: (a, b, c) => module.analogRange(a, b, c),
    parsePosition: (text) => {
      const p = module.parsePosition(text);
      return p && { latitude: p.deviceLatitude, longitude: p.deviceLongitude };
    },
    positionSummary: (latitude, longitude) => {
      const p = module.devicePosition(latitude, longitude);
      return p && `${p.decimal}   ${p.locator}`;
    },
    symbolTable: (table) => module.symbols(table),
    describeSymbol: (table, code) => module.describeSymbol(table, code),
    smartBeaconingSettings: () => module.smartBeaconingSettings(),
    smartBeaconing: (fields, speed) => {
      const chart = module.smartBeaconing(fields, 60);
      if (!chart) return null;
      const round = (v) => (v === null ? '-' : String(Math.round(v)));
      return {
        topSpeed: chart.topSpeed,
        curve: chart.curve.map((p) => ({ speed: p.speed, interval: p.interval, threshold: p.turnThreshold })),
        table: chart.table.map((r) => ({ speed: r.speed, interval: round(r.interval),
          threshold: round(r.turnThreshold), distance: `${r.distance.toFixed(1)} km` })),
        atSpeed: module.distanceAt(fields, speed),
      };
    },
  };
}
