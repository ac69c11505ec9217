// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the core (core/core.js, whose API core/README.md lists) with the
// page's user interface and, where the browser has WebHID, the device.

import { loadCore as loadModule } from '../core/core.js';
import { WebHidTransport } from '../core/hid-transport.js';
import { coreBinaryBase64 } from './core-binary.js';

export async function loadCore(ui) {
  const hid = 'hid' in navigator ? new WebHidTransport() : null;
  // The module finds its .wasm beside its own script, which the site's
  // bundle (js/page.js) holds: core/ is named here.
  const locateFile = (name) => new URL(`../core/${name}`, import.meta.url).href;
  const moduleOptions = { locateFile };
  if (coreBinaryBase64) {
    moduleOptions.wasmBinary = Uint8Array.from(atob(coreBinaryBase64), (c) => c.charCodeAt(0));
  }
  return loadModule({ ui, hid, moduleOptions });
}

// The form as the core describes it: {title, version, pages: [{name, caption,
// pages, groups: [{caption, settings: [...]}]}]}.
export function describeForm(core) {
  const description = core.formDescription();
  return typeof description === 'string' ? JSON.parse(description) : description;
}
