// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/webhid_transport.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

// clang-format off
// Every granted device as lines "vendor<TAB>product<TAB>path<TAB>serial", in
// malloc'ed UTF-8 (freed by the caller); null when the page has no transport.
EM_ASYNC_JS(char*, zeru_hid_enumerate, (), {
    const hid = Module.zeruHid;
    if (!hid) return 0;
    let devices = [];
    try { devices = await hid.enumerate(); } catch (e) { devices = []; }
    const tab = String.fromCharCode(9);
    const newline = String.fromCharCode(10);
    const clean = (text) => String(text ?? "").split(tab).join(" ").split(newline).join(" ");
    const lines = devices.map((d) => [d.vendorId, d.productId, clean(d.path), clean(d.serialNumber)].join(tab));
    return allocateUTF8(lines.join(newline));
});

// "" when opened, else the reason in malloc'ed UTF-8.
EM_ASYNC_JS(char*, zeru_hid_open, (const char* path), {
    const hid = Module.zeruHid;
    let reason = "no WebHID";
    if (hid) {
        try { reason = String((await hid.open(UTF8ToString(path))) ?? ""); } catch (e) { reason = String(e && e.message || e); }
    }
    return allocateUTF8(reason);
});

// The 64 report bytes at `bytes`; returns 65 when sent, -1 on failure.
EM_ASYNC_JS(int, zeru_hid_write, (const unsigned char* bytes), {
    const hid = Module.zeruHid;
    if (!hid) return -1;
    const report = HEAPU8.slice(bytes, bytes + 64);
    try { return (await hid.write(report)) ? 65 : -1; } catch (e) { return -1; }
});

// Waits at most `limit` ms for a reply and copies at most 64 bytes to `bytes`.
// Returns how many bytes came, 0 when the time ran out, -1 on failure.
EM_ASYNC_JS(int, zeru_hid_read, (unsigned char* bytes, int limit), {
    const hid = Module.zeruHid;
    if (!hid) return -1;
    let reply;
    try { reply = await hid.read(limit); } catch (e) { return -1; }
    if (reply === null || reply === undefined) return 0;
    if (reply === false) return -1;
    const data = reply instanceof Uint8Array ? reply : new Uint8Array(reply.buffer ?? reply, reply.byteOffset ?? 0, reply.byteLength);
    const length = Math.min(64, data.length);
    HEAPU8.set(data.subarray(0, length), bytes);
    return length;
});

EM_JS(void, zeru_hid_close, (), {
    const hid = Module.zeruHid;
    if (hid) { try { hid.close(); } catch (e) {} }
});
// clang-format on

struct FreeText {
    void operator()(char* text) const { std::free(text); }
};
using OwnedText = std::unique_ptr<char, FreeText>;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

namespace zeru::web {

std::vector<HidDeviceInfo> WebHidTransport::enumerate() {
    const OwnedText text(zeru_hid_enumerate());
    std::vector<HidDeviceInfo> devices;
    if (!text || *text == '\0') return devices;
    for (const std::string& line : split(text.get(), '\n')) {
        const std::vector<std::string> fields = split(line, '\t');
        if (fields.size() != 4) continue;
        HidDeviceInfo info;
        info.vendorId = static_cast<std::uint16_t>(std::strtoul(fields[0].c_str(), nullptr, 10));
        info.productId = static_cast<std::uint16_t>(std::strtoul(fields[1].c_str(), nullptr, 10));
        info.path = fields[2];
        info.serialNumber = fields[3];
        devices.push_back(std::move(info));
    }
    return devices;
}

Outcome WebHidTransport::open(const std::string& path) {
    const OwnedText reason(zeru_hid_open(path.c_str()));
    if (!reason) return cannotOpen("out of memory");
    std::string whyNot = reason.get();
    if (!whyNot.empty()) return cannotOpen(std::move(whyNot));
    return {};
}

int WebHidTransport::write(const Report& request) {
    // WebHID takes the report number apart (sendReport(0, ...)): the 64 bytes after it go.
    return zeru_hid_write(request.data() + 1);
}

int WebHidTransport::read(Report& reply, std::chrono::milliseconds limit) {
    reply[0] = 0;
    const int length = zeru_hid_read(reply.data() + 1, static_cast<int>(limit.count()));
    return length > 0 ? length + 1 : length;
}

void WebHidTransport::close() { zeru_hid_close(); }

}  // namespace zeru::web
