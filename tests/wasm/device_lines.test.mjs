// SPDX-License-Identifier: GPL-3.0-or-later
// One implementation of the device flows: the browser's core, talking to the
// simulated device through WebHID, tells exactly the lines zeru-cli tells
// against the same device with the same fault (ZERU_CLI).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, copyFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, basename } from 'node:path';
import { coreWithDevice } from './support.mjs';

const cli = process.env.ZERU_CLI;
const folder = mkdtempSync(join(tmpdir(), 'zeru-web-lines-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));

function runCli(args) {
    const run = spawnSync(cli, args, { stdio: ['ignore', 'ignore', 'pipe'], env: { ...process.env, HOME: folder } });
    return { status: run.status, stderr: run.stderr.toString() };
}

// A device memory written by zeru-cli from the defaults, for the reads.
const defaults = join(folder, 'defaults.cfg');
const written = join(folder, 'written.bin');
if (cli) {
    runCli(['defaults', '-o', defaults]);
    runCli([`--simulate=${written}`, 'write', defaults, '--no-backup']);
}

// The lines zeru-cli writes to standard error, as the page would show them:
// the failure line it repeats at the end and the backup folder left out.
function cliLines(command, fault, memory) {
    const state = join(folder, `state-${command}-${fault}.bin`);
    copyFileSync(memory, state);
    const args = [`--simulate=${state}`, `--sim-fault=${fault}`, '--verbose', command];
    if (command === 'write') args.push(defaults);
    if (command === 'read') args.push('-o', join(folder, 'read.cfg'));
    if (command !== 'read') args.push('--backup-dir', join(folder, 'backups'));
    const lines = runCli(args).stderr.split('\n').filter((line) => line !== '');
    if (lines.length > 1 && lines.at(-1) === lines.at(-2)) lines.pop();
    return lines.map((line) => line.replace(/^Backup saved: (.*)$/, (_, path) => `Backup saved: ${basename(path)}`))
        .map(withoutStamp);
}

// Backups are named after the second they were kept in.
const withoutStamp = (line) => line.replace(/\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d(-\d+)?_/, 'STAMP_');

const commands = { read: 'readConfig', write: 'writeConfig', 'upload-firmware': 'uploadFirmware' };
// Page 40 ends the configuration block: a fault there tells the most lines.
const faults = ['refuse', 'bad-sum', 'bad-echo', 'short', 'silent', 'wrong-page', 'gone', 'drop', 'flip']
    .map((kind) => `${kind}:40`).concat(['refuse:fw', 'silent:hw', 'short:fw']);

for (const [command, method] of Object.entries(commands)) {
    for (const fault of faults) {
        test(`${command} with ${fault}`, { skip: !cli && 'ZERU_CLI names no zeru-cli' }, async () => {
            const { core, ui, device } = await coreWithDevice();
            device.setMemory(readFileSync(written));
            assert.ok(device.setFault(fault));
            await core[method]();
            assert.deepEqual(ui.lines.map(withoutStamp), cliLines(command, fault, written));
        });
    }
}
