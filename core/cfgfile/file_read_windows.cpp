// SPDX-License-Identifier: GPL-3.0-or-later
// readInputFile on Windows: only a file on a disk is read, never a folder, a
// console, a pipe or a serial port.
#include <windows.h>

#include <algorithm>

#include "cfgfile/file_read.h"
#include "cfgfile/windows_error_text.h"
#include "cfgfile/windows_file_names.h"
#include "interaction/utf8_path.h"

namespace zeru::cfgfile {
namespace {

using Status = InputFile::Status;

InputFile refused(Status status, std::uint64_t size = 0) { return {status, size, {}, {}}; }

// Refused with the system's words for `error` ("Access is denied").
InputFile unreadable(DWORD error) {
    InputFile file = refused(Status::Unreadable);
    file.reason = windowsErrorText(error);
    return file;
}

// A folder, console, pipe or serial port: the same words as on other systems.
InputFile notRegular(bool folder) {
    InputFile file = refused(Status::NotRegular);
    file.reason = folder ? "Is a directory" : "Not a regular file";
    return file;
}

class OpenFile {
public:
    explicit OpenFile(HANDLE h) : h_(h) {}
    ~OpenFile() {
        if (valid()) CloseHandle(h_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH || error == ERROR_INVALID_DRIVE;
}

}  // namespace

InputFile readInputFile(const std::string& path, std::uint64_t maxBytes) {
    // Looked at before it is opened: opening a device has effects of its own.
    if (namesWindowsDevice(path)) return notRegular(false);
    const std::wstring wide = pathFromUtf8(path).wstring();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return isMissing(error) ? refused(Status::Missing) : unreadable(error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return notRegular(true);

    // Others may go on reading and writing it: a file open in an editor is read all the same.
    const OpenFile file(CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return isMissing(error) ? refused(Status::Missing) : unreadable(error);
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return notRegular(false);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return unreadable(GetLastError());
    if (size.QuadPart < 0) return unreadable(ERROR_INVALID_DATA);
    const auto declared = static_cast<std::uint64_t>(size.QuadPart);
    if (declared > maxBytes) return refused(Status::TooLarge, declared);

    // The file may grow while it is read: never more than the limit and one byte.
    InputFile result{Status::Read, declared, {}, {}};
    result.bytes.resize(static_cast<std::size_t>(declared) + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - got, 1u << 20));
        DWORD n = 0;
        if (!ReadFile(file.get(), result.bytes.data() + got, wanted, &n, nullptr))
            return unreadable(GetLastError());
        if (n == 0) break;
        got += n;
        if (got > maxBytes) return refused(Status::TooLarge, got);
        if (got == result.bytes.size()) result.bytes.resize(std::min<std::size_t>(got * 2, maxBytes + 1));
    }
    result.bytes.resize(got);
    result.size = got;
    return result;
}

}  // namespace zeru::cfgfile
