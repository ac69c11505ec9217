// SPDX-License-Identifier: GPL-3.0-or-later
// What the node tests of the browser's core share: the modules as the page
// loads them (folder ZERU_WEB_CORE, the site's core/ folder) and a user
// interface that records what the page would show.
import { join } from 'node:path';

export const coreFolder = process.env.ZERU_WEB_CORE;
const { loadCoreForNode, loadSimForNode } = await import(join(coreFolder, 'node-module.mjs'));
const { WebHidTransport } = await import(join(coreFolder, 'hid-transport.js'));
const { createSimulatedHid } = await import(join(coreFolder, 'sim-hid.js'));

export const sim = await loadSimForNode(coreFolder);

// Log lines and the lines of every box, in the order they came; the
// questions asked, answered with `answer`.
export function recordingUi(answer = true) {
    const ui = {
        lines: [],
        questions: [],
        log: (line) => ui.lines.push(line),
        note: (line) => ui.lines.push(line),
        setProgressRange() {},
        setProgress() {},
        setBusy() {},
        async confirm(question) {
            ui.questions.push(question);
            return answer;
        },
    };
    for (const box of ['information', 'message', 'error'])
        ui[box] = (text) => ui.lines.push(...text.split(/\r\n|\r|\n/));
    return ui;
}

// A fresh core over a fresh simulated device behind the WebHID transport.
export async function coreWithDevice({ answer = true } = {}) {
    const ui = recordingUi(answer);
    const hid = createSimulatedHid(sim);
    const core = await loadCoreForNode(coreFolder, { ui, hid: new WebHidTransport({ hid }) });
    return { core, ui, device: hid.devices[0].device };
}
