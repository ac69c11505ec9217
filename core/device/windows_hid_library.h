// SPDX-License-Identifier: GPL-3.0-or-later
// The SetupAPI and HID functions the Windows transport calls, loaded from the
// system folder when a device is first looked for. Only device commands need
// them: a DLL that the program imports costs every start of zeru-cli.exe
// (setupapi.dll brings four more), which under Wine is milliseconds.
#pragma once

// windows.h must come before the headers that build on it.
// clang-format off
#include <windows.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <memory>
#include <string>

#include "settings/result.h"

namespace zeru {

struct HidFunctions {
    decltype(&::SetupDiGetClassDevsW) getClassDevs = nullptr;
    decltype(&::SetupDiDestroyDeviceInfoList) destroyDeviceInfoList = nullptr;
    decltype(&::SetupDiEnumDeviceInterfaces) enumDeviceInterfaces = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) getDeviceInterfaceDetail = nullptr;
    decltype(&::HidD_GetHidGuid) getHidGuid = nullptr;
    decltype(&::HidD_GetAttributes) getAttributes = nullptr;
    decltype(&::HidD_GetSerialNumberString) getSerialNumberString = nullptr;
    decltype(&::HidD_GetPreparsedData) getPreparsedData = nullptr;
    decltype(&::HidD_FreePreparsedData) freePreparsedData = nullptr;
    decltype(&::HidP_GetCaps) getCaps = nullptr;
};

// Both libraries, held while the transport lives.
class HidLibraries {
public:
    struct Names {
        const wchar_t* setupApi = L"setupapi.dll";
        const wchar_t* hid = L"hid.dll";
    };

    // Else the failure (cannotOpen: "hid.dll could not be loaded: ...", "hid.dll
    // has no HidD_GetAttributes") when either library or any of the functions
    // is missing.
    static Result<std::unique_ptr<HidLibraries>> load(const Names& names);

    ~HidLibraries();
    HidLibraries(const HidLibraries&) = delete;
    HidLibraries& operator=(const HidLibraries&) = delete;

    const HidFunctions& functions() const { return functions_; }

private:
    HidLibraries() = default;

    HMODULE setupApi_ = nullptr;
    HMODULE hid_ = nullptr;
    HidFunctions functions_;
};

}  // namespace zeru
