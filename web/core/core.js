// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the core (zeru-core.wasm): loads the module, hands it
// the page's user interface and device transport, and turns the device
// commands into promises. Nothing here decides anything about the settings;
// see README.md for the whole API.
import createZeruCore from './zeru-core.js';

// How a device command ends (web/core/bindings.cpp, commandResult).
const OUTCOMES = ['success', 'usage', 'settings-refused', 'image-refused', 'no-device', 'device-failed', 'declined'];

// `ui`: the page's user interface (README.md). `hid`: a transport such as
// WebHidTransport (hid-transport.js). `moduleOptions`: passed to emscripten
// (tests give `wasmBinary`). Backups are kept in IndexedDB where there is one.
export async function loadCore({ ui = {}, hid = null, moduleOptions = {} } = {}) {
    const module = await createZeruCore({
        ...moduleOptions,
        zeruUi: ui,
        zeruHid: hid,
    });
    await keepBackupsInBrowserStorage(module);
    return new Core(module);
}

async function keepBackupsInBrowserStorage(module) {
    if (typeof indexedDB === 'undefined') return;  // node: the backups stay in memory
    const folder = '/backups';
    module.FS.mkdir(folder);
    module.FS.mount(module.IDBFS, {}, folder);
    const sync = (populate) => new Promise((resolve) => module.FS.syncfs(populate, (error) => resolve(!error)));
    await sync(true);
    module.zeruPersistBackups = () => sync(false);
}

class Core {
    constructor(module) {
        this.module = module;
        this.session = new module.Session();
        this.handle = this.session.handle();
        this.running = null;
        this.setting = knownSettings(module.settingNames());
    }

    // --- what the form is made of (plain data, computed once) ---
    formDescription() { return JSON.parse(this.module.formDescription()); }
    texts() { return this.module.texts(); }
    defaultNote(name) { return this.module.defaultNote(name); }
    specialStrings() { return this.module.specialStrings(); }
    channels() { return this.module.channels(); }

    // --- settings ---
    value(name) { return this.session.value(name); }
    values() { return this.session.values(); }
    enabled(name) { return this.session.enabled(name); }
    set(name, value) { return this.session.set(name, value); }
    defaultParameters(kind, channel) { this.session.defaultParameters(kind, channel); }
    problems() { return this.session.problems(); }
    changes() { return this.session.changes(); }
    hasUnsavedChanges() { return this.session.hasUnsavedChanges(); }

    // --- finding a setting and setting one back ---
    find(words, limit = 40) { return this.session.find(words, limit); }
    resets(name) { return this.session.resets(name); }
    resetToDefault(name) { return this.session.resetToDefault(name); }
    backToLastRead(name) { return this.session.backToLastRead(name); }

    // --- the "Changes" list and its reference ---
    comparison() { return this.session.comparison(); }
    reference() { return this.session.reference(); }
    compareWithBaseline() { this.session.compareWithBaseline(); }
    compareWithDefaults() { this.session.compareWithDefaults(); }
    compareWithFile(bytes, name) { return this.session.compareWithFile(bytes, name); }
    compareWithDevice() { return this.command('zeru_compare_with_device').then((code) => code === 1); }
    revert(names = []) { this.session.revert(names); }

    // --- files and backups ---
    saveToFile() { return this.session.saveToFile(); }
    readFromFile(bytes, name) { return this.session.readFromFile(bytes, name); }
    backups() { return this.session.backups(); }
    backupFile(name) { return this.session.backupFile(name); }
    restoreBackup(name) { return this.session.restoreBackup(name); }

    // --- the device: each resolves to {done, outcome, setting} (README.md) ---
    readConfig() { return this.deviceCommand('zeru_read_config'); }
    writeConfig() { return this.deviceCommand('zeru_write_config'); }
    uploadFirmware() { return this.deviceCommand('zeru_upload_firmware'); }
    isRunning() { return this.running !== null; }

    // --- what the settings do on the air ---
    smartBeaconing(texts, points = 100) { return this.module.smartBeaconing(texts, points); }
    smartBeaconingSettings() { return this.module.smartBeaconingSettings(); }
    distanceAt(texts, speed) { return this.module.distanceAt(texts, speed); }
    symbols(table) { return this.module.symbols(table); }
    describeSymbol(table, code) { return this.module.describeSymbol(table, code); }
    isOverlayCharacter(c) { return this.module.isOverlayCharacter(c); }
    parsePosition(text) { return this.module.parsePosition(text); }
    devicePosition(latitude, longitude) { return this.module.devicePosition(latitude, longitude); }
    ssidHint(ssid) { return this.module.ssidHint(ssid); }
    analogRange(a, b, c) { return this.module.analogRange(a, b, c); }

    // One device command at a time: the module waits inside it for the page.
    // The command's number, or null when another one runs.
    async command(name) {
        if (this.running) return null;
        this.running = this.module.ccall(name, 'number', ['number'], [this.handle], { async: true });
        try {
            return await this.running;
        } finally {
            this.running = null;
        }
    }

    async deviceCommand(name) {
        const code = await this.command(name);
        if (code === null) return { done: false, outcome: 'busy', setting: '' };
        return {
            done: (code & 1) === 1,
            outcome: OUTCOMES[(code >> 1) & 7] ?? 'device-failed',
            setting: code >> 4 ? this.module.settingNameAt((code >> 4) - 1) : '',
        };
    }
}

// The settings' names as properties: `core.setting.Latitude` is 'Latitude'.
// A name the core does not know throws where it is used, so a misspelt one
// fails the first time its code runs instead of finding no field.
function knownSettings(names) {
    const table = Object.freeze(Object.fromEntries(names.map((name) => [name, name])));
    return new Proxy(table, {
        get(target, property) {
            if (typeof property === 'string' && !(property in target)) throw new Error(`unknown setting ${property}`);
            return target[property];
        },
    });
}
