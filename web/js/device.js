// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the browser has WebHID at all, and whether a Kestrovane Zeru granted
// to this page is plugged in (shown in the command row as it changes). The
// commands reach the device through the core's transport, which uses a device
// granted before without asking.

import { ZERU_FILTER } from '../core/hid-transport.js';

const isZeru = (d) => d.vendorId === ZERU_FILTER.vendorId && d.productId === ZERU_FILTER.productId;

export function watchDevice() {
  const status = document.getElementById('Device_status');
  const listeners = [];
  const state = { available: 'hid' in navigator, device: null };

  const show = () => {
    status.textContent = state.device ? 'Device: connected' : 'Device: none';
    status.classList.toggle('connected', Boolean(state.device));
    listeners.forEach((f) => f());
  };
  const use = (device) => {
    state.device = device;
    show();
  };

  if (!state.available) {
    document.getElementById('No_webhid').hidden = false;
    status.hidden = true;
  } else {
    navigator.hid.getDevices().then((devices) => use(devices.find(isZeru) || null));
    navigator.hid.addEventListener('connect', (event) => {
      if (isZeru(event.device)) use(event.device);
    });
    navigator.hid.addEventListener('disconnect', (event) => {
      if (event.device === state.device) use(null);
    });
  }

  return {
    get available() { return state.available; },
    onChange: (f) => listeners.push(f),
    // After a command: a device granted by the chooser meanwhile shows.
    recheck: () => state.available && navigator.hid.getDevices()
      .then((devices) => use(devices.find(isZeru) || null)),
  };
}
