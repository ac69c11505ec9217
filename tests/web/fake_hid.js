// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for navigator.hid, installed before the page's scripts run. It
// offers one Kestrovane Zeru whose replies come from the device simulator
// compiled to WebAssembly (core/zeru-sim.js of the site). Tests steer it
// through window.zeruFakeHid.
(() => {
  // (A page opened from disk gets the simulator as a script put in beside this one.)
  if (!location.protocol.startsWith('http') && !window.zeruSimFactory) return;
  const VENDOR = 0x0483;
  const PRODUCT = 0xa050;
  let simulator = null;
  const loading = (window.zeruSimFactory ? window.zeruSimFactory() : import('/core/zeru-sim.js').then((m) => m.default()))
    .then((module) => { simulator = new module.SimulatedDevice(); });

  class FakeDevice extends EventTarget {
    constructor() {
      super();
      this.vendorId = VENDOR;
      this.productId = PRODUCT;
      this.productName = 'Kestrovane Zeru';
      this.collections = [{ usagePage: 0xff00, usage: 1,
        inputReports: [{ reportId: 0 }], outputReports: [{ reportId: 0 }], featureReports: [] }];
      this.opened = false;
      this.oninputreport = null;
    }
    async open() {
      if (!state.plugged) throw new DOMException('Failed to open the device.', 'NotAllowedError');
      await loading;
      this.opened = true;
    }
    async close() { this.opened = false; }
    async forget() { grant(false); }
    async sendReport(reportId, data) {
      if (!this.opened || !state.plugged) throw new DOMException('Failed to write the report.', 'NotAllowedError');
      if (reportId !== 0) throw new DOMException('Failed to write the report.', 'NotAllowedError');
      const bytes = new Uint8Array(64);
      bytes.set(new Uint8Array(ArrayBuffer.isView(data) ? data.buffer.slice(data.byteOffset,
        data.byteOffset + data.byteLength) : data).subarray(0, 64));
      state.sent += 1;
      const reply = simulator.respond(bytes);  // the reply's bytes, or null for none
      if (!simulator.present()) {
        // The "gone" fault: the device has left the bus.
        setTimeout(() => window.zeruFakeHid.unplug(), 0);
        return;
      }
      if (!reply) return;
      setTimeout(() => {
        if (!this.opened) return;
        const payload = new Uint8Array(reply);
        const event = new Event('inputreport');
        event.device = this;
        event.reportId = 0;
        event.data = new DataView(payload.buffer);
        if (this.oninputreport) this.oninputreport(event);
        this.dispatchEvent(event);
      }, 0);
    }
  }

  const device = new FakeDevice();
  // A grant outlives a reload of the page, as the browser's permission does.
  const state = { plugged: true, granted: sessionStorage.getItem('zeruFakeHidGranted') === '1',
    sent: 0, chooserAnswer: true };
  const grant = (on) => {
    state.granted = on;
    sessionStorage.setItem('zeruFakeHidGranted', on ? '1' : '0');
  };

  class FakeHid extends EventTarget {
    constructor() { super(); this.onconnect = null; this.ondisconnect = null; }
    async getDevices() { return state.granted && state.plugged ? [device] : []; }
    async requestDevice(options) {
      const filters = (options && options.filters) || [];
      const wanted = filters.some((f) => f.vendorId === VENDOR && f.productId === PRODUCT);
      if (!wanted || !state.chooserAnswer || !state.plugged) return [];
      grant(true);
      return [device];
    }
    notify(type) {
      const event = new Event(type);
      event.device = device;
      const handler = type === 'connect' ? this.onconnect : this.ondisconnect;
      if (handler) handler(event);
      this.dispatchEvent(event);
    }
  }
  const hid = new FakeHid();
  Object.defineProperty(Navigator.prototype, 'hid', { get: () => hid, configurable: true });

  window.zeruFakeHid = {
    ready: () => loading,
    grant: () => grant(true),
    refuseChooser() { state.chooserAnswer = false; },
    unplug() { state.plugged = false; device.opened = false; hid.notify('disconnect'); },
    plug() { state.plugged = true; hid.notify('connect'); },
    sent: () => state.sent,
    simulator: () => simulator,
    // As zeru-cli's --sim-version and --sim-fault: "KIND:PAGE", "" for none.
    configure(version, fault) {
      simulator.setFirmwareVersion(version);
      if (!simulator.setFault(fault)) throw new Error(`not a fault: ${fault}`);
    },
  };
})();
