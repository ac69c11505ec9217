// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the modules under node, for tests and benchmarks: emscripten's ES
// module output expects a browser (require, __dirname, and fetch of the
// .wasm beside it). `folder` holds zeru-core.js, zeru-sim.js, core.js and
// their .wasm files, as the site's core/ folder does.
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

function prepare(folder) {
    globalThis.require ??= createRequire(import.meta.url);
    globalThis.__dirname ??= folder;
}

// The core through core.js, as the page loads it.
export async function loadCoreForNode(folder, options = {}) {
    prepare(folder);
    const { loadCore } = await import(join(folder, 'core.js'));
    const wasmBinary = readFileSync(join(folder, 'zeru-core.wasm'));
    return loadCore({ ...options, moduleOptions: { ...(options.moduleOptions ?? {}), wasmBinary } });
}

// The simulated device's module.
export async function loadSimForNode(folder) {
    prepare(folder);
    const { default: create } = await import(join(folder, 'zeru-sim.js'));
    return create({ wasmBinary: readFileSync(join(folder, 'zeru-sim.wasm')) });
}
