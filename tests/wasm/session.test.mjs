// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary between the page and the core: files byte for byte as the
// desktop writes them, refusals as results (never a bare exception), texts
// through Latin-1, and the device commands' questions.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { coreWithDevice } from './support.mjs';

const cli = process.env.ZERU_CLI;

test('"Save to file" gives the bytes zeru-cli saves, and they load back', { skip: !cli && 'no ZERU_CLI' }, async () => {
    const folder = mkdtempSync(join(tmpdir(), 'zeru-web-save-'));
    try {
        execFileSync(cli, ['defaults', '-o', join(folder, 'defaults.cfg')], { env: { ...process.env, HOME: folder } });
        const desktop = readFileSync(join(folder, 'defaults.cfg'));
        const { core, ui } = await coreWithDevice();
        const file = core.saveToFile();
        assert.equal(file.saved, true);
        assert.equal(file.name, 'kestrovane_blue.cfg');
        assert.deepEqual(Buffer.from(file.bytes), desktop);
        assert.deepEqual(ui.lines, ['Saved kestrovane_blue.cfg']);
        core.set('Callsign', 'OK1ZRU');
        assert.equal(core.readFromFile(desktop, 'defaults.cfg'), true);
        assert.equal(core.value('Callsign'), 'NOCALL');
        assert.deepEqual(core.changes(), []);
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});

test('refusals come back as results with the window\'s texts', async (t) => {
    const cases = [
        {
            name: 'a number that is not a whole number stops the save',
            act: (core) => { core.set('Txdelay', '12a'); return core.saveToFile(); },
            check: (result, ui) => {
                assert.equal(result.saved, false);
                assert.equal(result.refusedSetting, 'Txdelay');
                assert.equal(result.bytes.length, 0);
                assert.deepEqual(ui.lines, ["'12a' is not a valid integer value."]);
            },
        },
        {
            name: 'a file of another program changes nothing',
            act: (core) => { core.set('Callsign', 'OK1ZRU'); return core.readFromFile(new TextEncoder().encode('[x]\r\na=1\r\n'), 'x.cfg'); },
            check: (result, ui, core) => {
                assert.equal(result, false);
                assert.equal(core.value('Callsign'), 'OK1ZRU');
                assert.deepEqual(ui.lines, ['Imported configuration file is not a Kestrovane configuration file. ', 'Operation aborted.']);
            },
        },
        {
            name: 'an unknown setting or a value of the other kind is refused',
            act: (core) => [core.set('Nonsense', 'x'), core.set('Callsign', 3), core.set('Ptt', 'x'), core.value('Nonsense')],
            check: (result) => assert.deepEqual(result, [false, false, false, undefined]),
        },
        {
            name: 'a refused write sends nothing and says which setting',
            act: async (core, device) => { core.set('Beacon2_txrate', '1'); return [await core.writeConfig(), device.requests()]; },
            check: (result, ui) => {
                assert.deepEqual(result, [{ done: false, outcome: 'settings-refused', setting: 'Beacon2_txrate' }, 0]);
                assert.deepEqual(ui.lines, ['Beacon 2 tx rate range error (5 - 1440).']);
            },
        },
        {
            name: 'texts travel as Latin-1: beyond it a character becomes ?',
            act: (core) => { core.set('Beacon1_message', 'Zürich → 5°'); return core.value('Beacon1_message'); },
            check: (result) => assert.equal(result, 'Zürich ? 5°'),
        },
    ];
    for (const c of cases) {
        await t.test(c.name, async () => {
            const { core, ui, device } = await coreWithDevice();
            const result = await c.act(core, device);
            c.check(result, ui, core);
        });
    }
});

test('an upload the user declines sends nothing', async () => {
    const { core, ui, device } = await coreWithDevice({ answer: false });
    assert.deepEqual(await core.uploadFirmware(), { done: false, outcome: 'declined', setting: '' });
    assert.equal(ui.questions.length, 1);
    assert.match(ui.questions[0], /Upload firmware now\?$/);
    assert.equal(device.requests(), 0);
});

test('a write keeps a backup of the device first, which restores', async () => {
    const { core, ui } = await coreWithDevice();
    core.set('Callsign', 'OK1ZRU');
    assert.equal((await core.writeConfig()).done, true);
    core.set('Callsign', 'DL2ABC');
    assert.equal((await core.writeConfig()).outcome, 'success');
    const [backup] = core.backups();
    assert.equal(backup.station, 'OK1ZRU-0');
    assert.ok(ui.lines.includes(`Backup saved: ${backup.name}`));
    assert.ok(ui.lines.includes('Radio.Callsign: "OK1ZRU" -> "DL2ABC"'));
    assert.equal(core.backupFile(backup.name.replace(/\.cfg$/, '.bin')).length, 7168);
    assert.equal(core.restoreBackup(backup.name), true);
    assert.equal(core.value('Callsign'), 'OK1ZRU');
    assert.equal(core.restoreBackup(backup.name.replace(/\.cfg$/, '.bin')), false);
});

test('two device commands never run at once', async () => {
    const { core } = await coreWithDevice();
    const first = core.readConfig();
    assert.deepEqual(await core.writeConfig(), { done: false, outcome: 'busy', setting: '' });
    await first;
});

test('the page names settings through the core, and a misspelt name throws', async () => {
    const { core } = await coreWithDevice();
    assert.equal(core.setting.Beacon2_message, 'Beacon2_message');
    assert.throws(() => core.setting.Beacon2_mesage, /unknown setting Beacon2_mesage/);
    const { analog, digital } = core.channels();
    assert.deepEqual([analog.length, digital.length], [5, 8]);
    assert.deepEqual(analog[2], {
        source: 'Teleanalog3_source', name: 'Teleanalog3_name', units: 'Teleanalog3_units',
        coefa: 'Teleanalog3_coefa', coefb: 'Teleanalog3_coefb', coefc: 'Teleanalog3_coefc',
        average: 'Teleanalog3_average',
    });
    assert.equal(digital[7].inverted, 'Teledigital8_inverted');
});
