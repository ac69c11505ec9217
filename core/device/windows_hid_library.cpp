// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/windows_hid_library.h"

#include <string>

#include "device/wide_text.h"
#include "device/windows_hid_transport.h"

namespace zeru {
namespace {

// By its full path in the system folder: never a DLL of the same name in the
// current folder or beside the program. (LOAD_LIBRARY_SEARCH_SYSTEM32 says
// the same, but Windows 7 without its 2011 update refuses the flag.)
Result<HMODULE> loadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    HMODULE module = nullptr;
    if (length > 0 && length < MAX_PATH)
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
    if (module == nullptr)
        return cannotOpen(utf8FromWide(name) +
                          " could not be loaded: " + windowsOpenFailureReason(GetLastError()));
    return module;
}

template <typename Function>
Outcome find(HMODULE module, const wchar_t* moduleName, const char* name, Function& function) {
    const FARPROC found = GetProcAddress(module, name);
    if (found == nullptr) return cannotOpen(utf8FromWide(moduleName) + " has no " + name);
    // Through the type GCC takes as "any function", which the cast to the
    // function's own type then does not warn about.
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
    return {};
}

}  // namespace

Result<std::unique_ptr<HidLibraries>> HidLibraries::load(const Names& names) {
    std::unique_ptr<HidLibraries> libraries(new HidLibraries);
    const Result<HMODULE> setupApi = loadSystemLibrary(names.setupApi);
    if (!setupApi) return setupApi.failure();
    libraries->setupApi_ = *setupApi;
    const Result<HMODULE> hid = loadSystemLibrary(names.hid);
    if (!hid) return hid.failure();
    libraries->hid_ = *hid;
    HidFunctions& f = libraries->functions_;
    const HMODULE s = libraries->setupApi_;
    const HMODULE h = libraries->hid_;
    // The first function missing is the one told.
    Outcome found;
    const auto need = [&found](HMODULE module, const wchar_t* moduleName, const char* name, auto& function) {
        if (found) found = find(module, moduleName, name, function);
    };
    need(s, names.setupApi, "SetupDiGetClassDevsW", f.getClassDevs);
    need(s, names.setupApi, "SetupDiDestroyDeviceInfoList", f.destroyDeviceInfoList);
    need(s, names.setupApi, "SetupDiEnumDeviceInterfaces", f.enumDeviceInterfaces);
    need(s, names.setupApi, "SetupDiGetDeviceInterfaceDetailW", f.getDeviceInterfaceDetail);
    need(h, names.hid, "HidD_GetHidGuid", f.getHidGuid);
    need(h, names.hid, "HidD_GetAttributes", f.getAttributes);
    need(h, names.hid, "HidD_GetSerialNumberString", f.getSerialNumberString);
    need(h, names.hid, "HidD_GetPreparsedData", f.getPreparsedData);
    need(h, names.hid, "HidD_FreePreparsedData", f.freePreparsedData);
    need(h, names.hid, "HidP_GetCaps", f.getCaps);
    if (!found) return found.failure();
    return libraries;
}

HidLibraries::~HidLibraries() {
    // Nothing is left to do if freeing fails: the process keeps the library.
    if (hid_ != nullptr) FreeLibrary(hid_);
    if (setupApi_ != nullptr) FreeLibrary(setupApi_);
}

}  // namespace zeru
