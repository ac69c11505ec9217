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
HMODULE loadSystemLibrary(const wchar_t* name, std::string& whyNot) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    HMODULE module = nullptr;
    if (length > 0 && length < MAX_PATH)
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
    if (module == nullptr)
        whyNot = utf8FromWide(name) + " could not be loaded: " + windowsOpenFailureReason(GetLastError());
    return module;
}

template <typename Function>
bool find(HMODULE module, const wchar_t* moduleName, const char* name, Function& function,
          std::string& whyNot) {
    const FARPROC found = GetProcAddress(module, name);
    if (found == nullptr) {
        whyNot = utf8FromWide(moduleName) + " has no " + name;
        return false;
    }
    // Through the type GCC takes as "any function", which the cast to the
    // function's own type then does not warn about.
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
    return true;
}

}  // namespace

std::unique_ptr<HidLibraries> HidLibraries::load(const Names& names, std::string& whyNot) {
    std::unique_ptr<HidLibraries> libraries(new HidLibraries);
    libraries->setupApi_ = loadSystemLibrary(names.setupApi, whyNot);
    if (libraries->setupApi_ == nullptr) return nullptr;
    libraries->hid_ = loadSystemLibrary(names.hid, whyNot);
    if (libraries->hid_ == nullptr) return nullptr;
    HidFunctions& f = libraries->functions_;
    const HMODULE s = libraries->setupApi_;
    const HMODULE h = libraries->hid_;
    const bool all =
        find(s, names.setupApi, "SetupDiGetClassDevsW", f.getClassDevs, whyNot) &&
        find(s, names.setupApi, "SetupDiDestroyDeviceInfoList", f.destroyDeviceInfoList, whyNot) &&
        find(s, names.setupApi, "SetupDiEnumDeviceInterfaces", f.enumDeviceInterfaces, whyNot) &&
        find(s, names.setupApi, "SetupDiGetDeviceInterfaceDetailW", f.getDeviceInterfaceDetail, whyNot) &&
        find(h, names.hid, "HidD_GetHidGuid", f.getHidGuid, whyNot) &&
        find(h, names.hid, "HidD_GetAttributes", f.getAttributes, whyNot) &&
        find(h, names.hid, "HidD_GetSerialNumberString", f.getSerialNumberString, whyNot) &&
        find(h, names.hid, "HidD_GetPreparsedData", f.getPreparsedData, whyNot) &&
        find(h, names.hid, "HidD_FreePreparsedData", f.freePreparsedData, whyNot) &&
        find(h, names.hid, "HidP_GetCaps", f.getCaps, whyNot);
    if (!all) return nullptr;
    return libraries;
}

HidLibraries::~HidLibraries() {
    // Nothing is left to do if freeing fails: the process keeps the library.
    if (hid_ != nullptr) FreeLibrary(hid_);
    if (setupApi_ != nullptr) FreeLibrary(setupApi_);
}

}  // namespace zeru
