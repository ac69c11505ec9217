// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated device for the page's tests: a fake navigator.hid hands each
// output report to it and delivers its reply as an input report, with every
// fault the simulator can show.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim/device_simulator.h"
#include "sim/fault.h"

using emscripten::val;

namespace zeru::web {
namespace {

class SimulatedDevice {
public:
    // The reply to one 64-byte output report (report number not included):
    // a Uint8Array (32 bytes for the "short" fault), or null when the device
    // does not answer (silent, gone).
    val respond(const val& report) {
        const std::vector<std::uint8_t> bytes =
            emscripten::convertJSArrayToNumberVector<std::uint8_t>(report);
        sim::HidReport request{};
        for (std::size_t i = 0; i < request.size() && i < bytes.size(); ++i) request[i] = bytes[i];
        const auto reply = sim::respond(state_, request);
        if (!reply) return val::null();
        return copy(reply->bytes.data(), reply->size);
    }

    // "KIND:PAGE", "KIND:fw" or "KIND:hw" (see faultKinds); "" clears the fault.
    // False when the text is not of that form.
    bool setFault(const std::string& text) {
        if (text.empty()) {
            state_.fault.reset();
            return true;
        }
        const auto fault = sim::parseFault(text);
        if (!fault) return false;
        state_.fault = *fault;
        return true;
    }
    std::string fault() const { return state_.fault ? sim::formatFault(*state_.fault) : std::string(); }

    unsigned firmwareVersion() const { return state_.firmwareVersion; }
    void setFirmwareVersion(unsigned version) { state_.firmwareVersion = version; }
    std::string hardwareVersion() const { return state_.hardwareVersion; }
    void setHardwareVersion(const std::string& version) { state_.hardwareVersion = version; }
    std::string serialNumber() const { return state_.serialNumber; }
    void setSerialNumber(const std::string& serial) { state_.serialNumber = serial; }
    // False once a "gone" fault has struck: the device is unplugged.
    bool present() const { return state_.present; }
    unsigned requests() const { return static_cast<unsigned>(state_.requests); }

    // The 7168 bytes of the configuration memory.
    val memory() const { return copy(state_.memory.data(), state_.memory.size()); }
    bool setMemory(const val& bytes) {
        const std::vector<std::uint8_t> memory =
            emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
        if (memory.size() != state_.memory.size()) return false;
        std::copy(memory.begin(), memory.end(), state_.memory.begin());
        return true;
    }
    // The firmware pages received since the last page 0.
    val firmware() const { return copy(state_.firmware.data(), state_.firmware.size()); }

private:
    static val copy(const std::uint8_t* data, std::size_t size) {
        return val::global("Uint8Array").new_(val(emscripten::typed_memory_view(size, data)));
    }

    sim::DeviceState state_;
};

// The names of every fault kind ("refuse", "bad-sum", ...).
val faultKinds() {
    val names = val::array();
    for (int k = 0; k <= static_cast<int>(sim::FaultKind::Flip); ++k)
        names.call<void>("push", std::string(sim::faultKindName(static_cast<sim::FaultKind>(k))));
    return names;
}

}  // namespace

EMSCRIPTEN_BINDINGS(zeru_sim) {
    using namespace emscripten;
    function("faultKinds", &faultKinds);
    class_<SimulatedDevice>("SimulatedDevice")
        .constructor<>()
        .function("respond", &SimulatedDevice::respond)
        .function("setFault", &SimulatedDevice::setFault)
        .function("fault", &SimulatedDevice::fault)
        .function("firmwareVersion", &SimulatedDevice::firmwareVersion)
        .function("setFirmwareVersion", &SimulatedDevice::setFirmwareVersion)
        .function("hardwareVersion", &SimulatedDevice::hardwareVersion)
        .function("setHardwareVersion", &SimulatedDevice::setHardwareVersion)
        .function("serialNumber", &SimulatedDevice::serialNumber)
        .function("setSerialNumber", &SimulatedDevice::setSerialNumber)
        .function("present", &SimulatedDevice::present)
        .function("requests", &SimulatedDevice::requests)
        .function("memory", &SimulatedDevice::memory)
        .function("setMemory", &SimulatedDevice::setMemory)
        .function("firmware", &SimulatedDevice::firmware);
}

}  // namespace zeru::web
