// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for navigator.hid with the simulated device behind it (the
// zeru-sim module): tests install it before the page's scripts run, and the
// page then talks to the simulator exactly as it would to the device, faults
// included. A "gone" fault unplugs the device.
export function createSimulatedHid(sim, { granted = true, devices = 1 } = {}) {
    const listeners = new Map();
    const hid = {
        devices: [],
        async getDevices() { return granted ? hid.devices.filter((d) => d.device.present()) : []; },
        async requestDevice() {
            granted = true;
            return hid.getDevices();
        },
        addEventListener(type, listener) { (listeners.get(type) ?? listeners.set(type, new Set()).get(type)).add(listener); },
        removeEventListener(type, listener) { listeners.get(type)?.delete(listener); },
        dispatch(type, event) { for (const listener of listeners.get(type) ?? []) listener(event); },
    };
    for (let i = 0; i < devices; ++i) hid.devices.push(new SimulatedHidDevice(hid, new sim.SimulatedDevice()));
    return hid;
}

class SimulatedHidDevice {
    constructor(hid, device) {
        this.hid = hid;
        this.device = device;  // the SimulatedDevice: faults, memory, versions
        this.vendorId = 0x0483;
        this.productId = 0xA050;
        this.productName = 'Kestrovane Zeru';
        this.collections = [{ usagePage: 0xff00, usage: 1, inputReports: [{ reportId: 0 }], outputReports: [{ reportId: 0 }] }];
        this.opened = false;
        this.listeners = new Set();
    }

    async open() {
        if (!this.device.present()) throw new DOMException('The device was unplugged.', 'NotFoundError');
        this.opened = true;
    }

    async close() { this.opened = false; }

    addEventListener(type, listener) { if (type === 'inputreport') this.listeners.add(listener); }
    removeEventListener(type, listener) { if (type === 'inputreport') this.listeners.delete(listener); }

    async sendReport(reportId, data) {
        if (!this.opened || !this.device.present()) throw new DOMException('Failed to write the report.', 'NotAllowedError');
        const report = new Uint8Array(64);
        report.set(new Uint8Array(data.buffer ?? data, data.byteOffset ?? 0, Math.min(64, data.byteLength ?? data.length)));
        const reply = this.device.respond(report);
        if (!this.device.present()) {
            this.opened = false;
            setTimeout(() => this.hid.dispatch('disconnect', { device: this }), 0);
            return;
        }
        if (reply === null) return;  // the device says nothing
        setTimeout(() => {
            const event = { device: this, reportId: 0, data: new DataView(reply.buffer) };
            for (const listener of this.listeners) listener(event);
        }, 0);
    }
}
