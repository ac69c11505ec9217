// SPDX-License-Identifier: GPL-3.0-or-later
// The device as the browser offers it through WebHID: whether the browser
// has WebHID at all, which Kestrovane Zeru the commands use (one granted
// before is used again without asking), and its plugging and unplugging.

const FILTERS = [{ vendorId: 0x0483, productId: 0xa050 }];
const isZeru = (d) => FILTERS.some((f) => d.vendorId === f.vendorId && d.productId === f.productId);

export function watchDevice(core) {
  const status = document.getElementById('Device_status');
  const listeners = [];
  const state = { available: 'hid' in navigator, device: null };

  const show = () => {
    status.textContent = state.device ? `Device: ${state.device.productName || 'Kestrovane Zeru'} connected`
      : 'Device: none';
    status.classList.toggle('connected', Boolean(state.device));
    listeners.forEach((f) => f());
  };
  const use = (device) => {
    state.device = device;
    core.useDevice(device);
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
    // The device the next command uses: the one in use, one granted before,
    // or one the user picks in the browser's chooser (none when cancelled:
    // the core's flow then says the device was not found).
    async choose() {
      if (!state.available) return null;
      if (state.device) return state.device;
      let [device] = (await navigator.hid.getDevices()).filter(isZeru);
      if (!device) {
        try {
          [device] = await navigator.hid.requestDevice({ filters: FILTERS });
        } catch {
          device = undefined;
        }
      }
      use(device || null);
      return state.device;
    },
  };
}
