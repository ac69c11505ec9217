// SPDX-License-Identifier: GPL-3.0-or-later
// The device as the core's flows reach it in the browser: navigator.hid,
// 64-byte output reports with report number 0, replies as input reports. It
// only moves reports; every request, check and time limit is the core's.
export const ZERU_FILTER = Object.freeze({ vendorId: 0x0483, productId: 0xA050 });

const isZeru = (device) => device.vendorId === ZERU_FILTER.vendorId && device.productId === ZERU_FILTER.productId;

export class WebHidTransport {
    // `hid`: navigator.hid, or a stand-in with the same shape (tests).
    // `chooseWhenNoneGranted`: when no device was granted before, the
    // browser's chooser is shown (it needs the user's click that started
    // the command).
    // `chosenDevice`: when given, a function that returns the HIDDevice the
    // page chose (or null); the flows then use that one and nothing else.
    constructor({ hid = globalThis.navigator?.hid, chooseWhenNoneGranted = true, chosenDevice = null } = {}) {
        this.hid = hid;
        this.chooseWhenNoneGranted = chooseWhenNoneGranted;
        this.chosenDevice = chosenDevice;
        this.devices = [];
        this.device = null;
        this.replies = [];
        this.waiting = null;
        this.onReport = (event) => this.deliver(new Uint8Array(event.data.buffer.slice(
            event.data.byteOffset, event.data.byteOffset + event.data.byteLength)));
        this.onDisconnect = (event) => {
            if (event.device === this.device) this.gone();
        };
    }

    // The granted devices (vendor 0x0483, product 0xA050), in the browser's order.
    async enumerate() {
        if (!this.hid) return [];
        let devices;
        if (this.chosenDevice) {
            const chosen = this.chosenDevice();
            devices = chosen && isZeru(chosen) ? [chosen] : [];
        } else {
            devices = (await this.hid.getDevices()).filter(isZeru);
        }
        if (devices.length === 0 && this.chooseWhenNoneGranted && !this.chosenDevice) {
            try {
                devices = (await this.hid.requestDevice({ filters: [ZERU_FILTER] })).filter(isZeru);
            } catch (e) {
                devices = [];  // no user gesture, or the chooser was cancelled
            }
        }
        this.devices = devices;
        return devices.map((device, i) => ({
            vendorId: device.vendorId,
            productId: device.productId,
            path: `webhid:${i}`,
            serialNumber: '',  // WebHID does not tell serial numbers
        }));
    }

    // '' when open, else the reason in plain words.
    async open(path) {
        const device = this.devices[Number(String(path).replace('webhid:', ''))];
        if (!device) return 'no such device';
        try {
            if (!device.opened) await device.open();
        } catch (e) {
            return 'permission denied';
        }
        this.device = device;
        this.replies = [];
        device.addEventListener('inputreport', this.onReport);
        this.hid.addEventListener?.('disconnect', this.onDisconnect);
        return '';
    }

    // Sends the 64 bytes after the report number; false on failure.
    async write(report) {
        if (!this.device) return false;
        try {
            await this.device.sendReport(0, report);
            return true;
        } catch (e) {
            return false;
        }
    }

    // The next reply (a Uint8Array of at most 64 bytes), null when none came
    // within `limitMs`, false when the device is gone.
    read(limitMs) {
        if (this.replies.length > 0) return Promise.resolve(this.replies.shift());
        if (!this.device) return Promise.resolve(false);
        return new Promise((resolve) => {
            const timer = setTimeout(() => {
                this.waiting = null;
                resolve(null);
            }, limitMs);
            this.waiting = (reply) => {
                clearTimeout(timer);
                this.waiting = null;
                resolve(reply);
            };
        });
    }

    close() {
        const device = this.device;
        this.device = null;
        this.replies = [];
        this.hid?.removeEventListener?.('disconnect', this.onDisconnect);
        if (!device) return;
        device.removeEventListener('inputreport', this.onReport);
        device.close().catch(() => {});
    }

    deliver(reply) {
        if (this.waiting) this.waiting(reply);
        else this.replies.push(reply);
    }

    gone() {
        this.device = null;
        if (this.waiting) this.waiting(false);
    }
}

// The transport over the device the page chose (null: none, and the flows
// log that the device was not found).
export function createHidTransport(chosenDevice) {
    return new WebHidTransport({ chosenDevice });
}
