// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/windows_hid_transport.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "device/system_transport.h"
#include "device/wide_text.h"
#include "device/windows_hid_library.h"
#include "interaction/utf8_path.h"

namespace zeru {
namespace {

// How long a write may take before it counts as failed: the device takes a
// report every USB frame, so this only ends a write to a device that hangs.
constexpr DWORD kWriteLimitMs = 1000;
// USB string descriptors hold at most 126 characters; HidD_* wants bytes.
constexpr std::size_t kSerialChars = 127;

class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    void reset(HANDLE h = INVALID_HANDLE_VALUE) {
        if (valid()) CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_;
};

class DeviceInfoSet {
public:
    DeviceInfoSet(const HidFunctions& api, const GUID& guid)
        : api_(api), set_(api.getClassDevs(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~DeviceInfoSet() {
        if (valid()) api_.destroyDeviceInfoList(set_);
    }
    DeviceInfoSet(const DeviceInfoSet&) = delete;
    DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
    HDEVINFO get() const { return set_; }
    bool valid() const { return set_ != INVALID_HANDLE_VALUE; }

private:
    const HidFunctions& api_;
    HDEVINFO set_;
};

// The path of one HID interface, as CreateFileW takes it; empty on failure.
std::wstring interfacePath(const HidFunctions& api, HDEVINFO set, SP_DEVICE_INTERFACE_DATA& iface) {
    DWORD needed = 0;
    // The first call only tells the size, and fails for that reason.
    if (api.getDeviceInterfaceDetail(set, &iface, nullptr, 0, &needed, nullptr) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
        return {};
    // DWORDs, for the alignment the structure needs.
    std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!api.getDeviceInterfaceDetail(set, &iface, detail, needed, nullptr, nullptr)) return {};
    return detail->DevicePath;
}

// Vendor, product and serial number of one interface. It is opened without
// read or write access, which is enough for these questions and works on a
// device that another program holds (the system holds keyboards and mice).
std::optional<HidDeviceInfo> describe(const HidFunctions& api, const std::wstring& path) {
    const Handle h(
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h.valid()) return std::nullopt;
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!api.getAttributes(h.get(), &attributes)) return std::nullopt;
    HidDeviceInfo info{attributes.VendorID, attributes.ProductID, utf8FromWide(path), ""};
    // Asking costs a request to the device: only ours are asked.
    if (info.vendorId == kZeruVendorId && info.productId == kZeruProductId) {
        wchar_t serial[kSerialChars] = {};
        if (api.getSerialNumberString(h.get(), serial, static_cast<ULONG>(sizeof serial - sizeof(wchar_t))))
            info.serialNumber = utf8FromWide(serial);
    }
    return info;
}

// A Win32 message in the log's voice: first letter small, no full stop.
std::string systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = n > 0 && text != nullptr ? utf8FromWide(std::wstring_view(text, n)) : "";
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '.' || message.back() == '\r' || message.back() == '\n' ||
                                message.back() == ' '))
        message.pop_back();
    if (message.empty()) return "Windows error " + std::to_string(error);
    if (message[0] >= 'A' && message[0] <= 'Z') message[0] = static_cast<char>(message[0] - 'A' + 'a');
    return message;
}

}  // namespace

std::unique_ptr<ReportTransport> makeSystemTransport() { return std::make_unique<WindowsHidTransport>(); }

std::string windowsOpenFailureReason(unsigned long error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return "the device is in use by another program";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_GEN_FAILURE:
            return "the device is no longer there";
        case ERROR_SUCCESS:
            return "unknown error";
        default:
            return systemMessage(error);
    }
}

// One open device: its handle, the report lengths it declares, and the read
// in flight. A read that reaches its limit stays pending, so that a reply
// arriving late is the next read's, as with hidraw.
class WindowsHidTransport::OpenDevice {
public:
    Handle handle;
    Handle readDone{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    Handle writeDone{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::size_t inputLength = kReportSize;
    std::size_t outputLength = kReportSize;
    OVERLAPPED readState{};
    std::vector<std::uint8_t> readBuffer;
    bool readPending = false;

    ~OpenDevice() {
        if (!readPending) return;
        // The buffer must outlive the read: cancel it and wait until it ends.
        DWORD got = 0;
        if (CancelIoEx(handle.get(), &readState) || GetLastError() != ERROR_NOT_FOUND)
            GetOverlappedResult(handle.get(), &readState, &got, TRUE);
    }
};

WindowsHidTransport::WindowsHidTransport(const HidLibraries::Names& libraryNames)
    : libraryNames_(libraryNames) {}

WindowsHidTransport::~WindowsHidTransport() { close(); }

Result<const HidFunctions*> WindowsHidTransport::hidFunctions() {
    if (!libraries_) {
        Result<std::unique_ptr<HidLibraries>> loaded = HidLibraries::load(libraryNames_);
        if (!loaded) return loaded.failure();
        libraries_ = std::move(loaded).value();
    }
    return &libraries_->functions();
}

std::vector<HidDeviceInfo> WindowsHidTransport::enumerate() {
    std::vector<HidDeviceInfo> devices;
    // Without the system's HID libraries no device can be reached: none is
    // found (open says why).
    const Result<const HidFunctions*> loaded = hidFunctions();
    if (!loaded) return devices;
    const HidFunctions* api = *loaded;
    GUID hidGuid;
    api->getHidGuid(&hidGuid);
    const DeviceInfoSet set(*api, hidGuid);
    if (!set.valid()) return devices;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA iface{};
        iface.cbSize = sizeof iface;
        if (!api->enumDeviceInterfaces(set.get(), nullptr, &hidGuid, index, &iface)) break;
        const std::wstring path = interfacePath(*api, set.get(), iface);
        if (path.empty()) continue;
        if (auto info = describe(*api, path)) devices.push_back(std::move(*info));
    }
    // The order SetupAPI gives changes as devices come and go: sorted, the
    // first device found stays the first.
    std::sort(devices.begin(), devices.end(),
              [](const HidDeviceInfo& a, const HidDeviceInfo& b) { return a.path < b.path; });
    return devices;
}

Outcome WindowsHidTransport::open(const std::string& path) {
    close();
    const Result<const HidFunctions*> loaded = hidFunctions();
    if (!loaded) return loaded.failure();
    const HidFunctions* api = *loaded;
    auto device = std::make_unique<OpenDevice>();
    if (!device->readDone.valid() || !device->writeDone.valid())
        return cannotOpen(windowsOpenFailureReason(GetLastError()));
    device->handle.reset(CreateFileW(pathFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_OVERLAPPED, nullptr));
    if (!device->handle.valid()) return cannotOpen(windowsOpenFailureReason(GetLastError()));
    // The lengths the device declares, report number included (65 for ours).
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (api->getPreparsedData(device->handle.get(), &preparsed)) {
        HIDP_CAPS caps{};
        if (api->getCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS) {
            if (caps.InputReportByteLength > 0) device->inputLength = caps.InputReportByteLength;
            if (caps.OutputReportByteLength > 0) device->outputLength = caps.OutputReportByteLength;
        }
        api->freePreparsedData(preparsed);
    }
    device->readBuffer.resize(device->inputLength);
    device_ = std::move(device);
    return {};
}

int WindowsHidTransport::write(const Report& request) {
    if (!device_) return -1;
    // Windows takes exactly the declared length: shorter reports are padded.
    std::vector<std::uint8_t> bytes(std::max(device_->outputLength, request.size()), 0);
    std::copy(request.begin(), request.end(), bytes.begin());
    bytes.resize(device_->outputLength);
    OVERLAPPED state{};
    state.hEvent = device_->writeDone.get();
    if (!ResetEvent(state.hEvent)) return -1;
    HANDLE h = device_->handle.get();
    if (!WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &state) &&
        GetLastError() != ERROR_IO_PENDING)
        return -1;
    DWORD written = 0;
    if (WaitForSingleObject(state.hEvent, kWriteLimitMs) != WAIT_OBJECT_0) {
        // The write must end before `bytes` goes: cancelled, then waited for.
        if (CancelIoEx(h, &state) || GetLastError() != ERROR_NOT_FOUND)
            GetOverlappedResult(h, &state, &written, TRUE);
        return -1;
    }
    if (!GetOverlappedResult(h, &state, &written, FALSE)) return -1;
    return static_cast<int>(std::min<std::size_t>(written, request.size()));
}

int WindowsHidTransport::read(Report& reply, std::chrono::milliseconds limit) {
    if (!device_) return -1;
    OpenDevice& d = *device_;
    HANDLE h = d.handle.get();
    if (!d.readPending) {
        d.readState = OVERLAPPED{};
        d.readState.hEvent = d.readDone.get();
        if (!ResetEvent(d.readState.hEvent)) return -1;
        if (!ReadFile(h, d.readBuffer.data(), static_cast<DWORD>(d.readBuffer.size()), nullptr,
                      &d.readState) &&
            GetLastError() != ERROR_IO_PENDING)
            return -1;
        d.readPending = true;
    }
    const auto waitMs = static_cast<DWORD>(std::clamp<long long>(limit.count(), 0, INFINITE - 1));
    const DWORD waited = WaitForSingleObject(d.readState.hEvent, waitMs);
    if (waited == WAIT_TIMEOUT) return 0;
    if (waited != WAIT_OBJECT_0) return -1;
    d.readPending = false;
    DWORD got = 0;
    if (!GetOverlappedResult(h, &d.readState, &got, FALSE)) return -1;
    // Byte 0 is the report number, as in the reply's own framing.
    const std::size_t n = std::min<std::size_t>(got, reply.size());
    std::copy_n(d.readBuffer.begin(), n, reply.begin());
    std::fill(reply.begin() + static_cast<std::ptrdiff_t>(n), reply.end(), 0);
    return static_cast<int>(n);
}

void WindowsHidTransport::close() { device_.reset(); }

}  // namespace zeru
