// SPDX-License-Identifier: GPL-3.0-or-later
// The state lock on Windows: a named mutex per state file. A lock on the file
// itself would keep every other handle from reading it, this process's own
// included; the mutex is let go by the system when its process ends.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <system_error>

#include "interaction/utf8_path.h"
#include "interaction/visible_text.h"
#include "sim/state_lock.h"

namespace zeru::sim {
namespace {

// One name per file, however the path spells it.
std::wstring mutexName(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(pathFromUtf8(path), error);
    if (error) full = std::filesystem::absolute(pathFromUtf8(path), error);
    std::wstring text = full.wstring();
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return L"Local\\kestrovane-zeru-state-" + std::to_wstring(std::hash<std::wstring>{}(text));
}

HANDLE handleOf(std::intptr_t held) { return reinterpret_cast<HANDLE>(held); }

}  // namespace

StateLock::~StateLock() {
    if (held_ == kNone) return;
    ReleaseMutex(handleOf(held_));
    CloseHandle(handleOf(held_));
}

StateLock& StateLock::operator=(StateLock&& other) noexcept {
    std::swap(held_, other.held_);
    return *this;
}

Result<StateLock> StateLock::acquire(const std::string& path, std::chrono::milliseconds patience) {
    std::error_code status;
    if (std::filesystem::exists(pathFromUtf8(path), status) &&
        !std::filesystem::is_regular_file(pathFromUtf8(path), status))
        return Failure::of(FailureKind::ImageRefused, visibleText(path) + " is not a file");
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(path).c_str());
    if (mutex == nullptr) return Failure::of(FailureKind::ImageRefused, "cannot open " + visibleText(path));
    // A mutex left by a process that ended (WAIT_ABANDONED) is as free as any.
    const DWORD waited = WaitForSingleObject(mutex, static_cast<DWORD>(patience.count()));
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        return StateLock(reinterpret_cast<std::intptr_t>(mutex));
    CloseHandle(mutex);
    return Failure::of(FailureKind::ImageRefused, waited == WAIT_TIMEOUT
                                                      ? visibleText(path) + " is in use by another process."
                                                      : "cannot open " + visibleText(path));
}

}  // namespace zeru::sim
