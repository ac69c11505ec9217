// SPDX-License-Identifier: GPL-3.0-or-later
// The core's WebAssembly, base64, when the page carries it inside itself (the
// page as one file: scripts/web.sh --single writes this module anew); null
// when the page fetches core/zeru-core.wasm from beside it.
export const coreBinaryBase64 = null;
