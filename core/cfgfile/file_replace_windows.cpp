// SPDX-License-Identifier: GPL-3.0-or-later
// replaceFileContent on Windows: the new content goes to a file beside the
// target, flushed to disk, which then takes the target's place with
// ReplaceFileW (the target's identity, security and attributes stay), or
// MoveFileExW for a new name. Only a file on a disk is replaced: never a
// folder, a read-only file or a device ("NUL", "COM1"). createPrivateFile
// moves its complete file under a name without replacing, which claims it.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "cfgfile/file_replace.h"
#include "cfgfile/windows_file_names.h"
#include "interaction/utf8_path.h"

namespace zeru::cfgfile {
namespace {

namespace fs = std::filesystem;

// The attributes a program may set, and so may carry over to the new file.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                  FILE_ATTRIBUTE_TEMPORARY;

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h == INVALID_HANDLE_VALUE || CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};

// The file that gets the new content, with its attributes when it exists.
struct Target {
    fs::path path;
    std::optional<DWORD> attributes;
};

// Where a symbolic link leads; nullopt when that cannot be told.
std::optional<fs::path> finalPath(const fs::path& link) {
    const Handle h(CreateFileW(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.valid()) return std::nullopt;
    std::wstring text(MAX_PATH, L'\0');
    for (int tries = 0; tries < 2; ++tries) {
        const DWORD n = GetFinalPathNameByHandleW(h.get(), text.data(), static_cast<DWORD>(text.size()), 0);
        if (n == 0) return std::nullopt;
        if (n < text.size()) {
            text.resize(n);
            return fs::path(text);
        }
        text.resize(n);  // too small: n is the size needed
    }
    return std::nullopt;
}

// nullopt for anything but a file on a disk or a free name in a folder.
std::optional<Target> findTarget(const std::string& utf8) {
    if (namesWindowsDevice(utf8)) return std::nullopt;
    Target t{pathFromUtf8(utf8), std::nullopt};
    DWORD attributes = GetFileAttributesW(t.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // A free name in a folder that is there; a missing folder
        // (ERROR_PATH_NOT_FOUND) has no room for the new file.
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return t;
        return std::nullopt;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A link is followed and stays: the file it leads to gets the content.
        auto followed = finalPath(t.path);
        if (!followed) return std::nullopt;
        t.path = std::move(*followed);
        attributes = GetFileAttributesW(t.path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) return std::nullopt;
    t.attributes = attributes;
    return t;
}

// A read-only file is never replaced; otherwise the file's access rules
// decide, asked by opening it for writing (nothing is written).
bool writable(const Target& t) {
    if (!t.attributes) return true;
    if ((*t.attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    const Handle h(CreateFileW(t.path.c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    return h.valid() && GetFileType(h.get()) == FILE_TYPE_DISK;
}

fs::path temporaryName(const Target& t, int attempt) {
    const fs::path folder = t.path.has_parent_path() ? t.path.parent_path() : fs::path(L".");
    std::wstring name = L"." + t.path.filename().wstring() + L"." + std::to_wstring(GetCurrentProcessId()) +
                        L"." + std::to_wstring(attempt) + L".tmp";
    return folder / name;
}

bool writeAll(HANDLE h, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The complete temporary file takes the target's place.
bool moveIntoPlace(const fs::path& temporary, const Target& t) {
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!t.attributes) return MoveFileExW(temporary.c_str(), t.path.c_str(), kMoveFlags) != 0;
    // ReplaceFileW keeps the target's identity and security; where the file
    // system cannot (some network shares), a plain replacing move does.
    if (!ReplaceFileW(t.path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                      nullptr) &&
        !MoveFileExW(temporary.c_str(), t.path.c_str(), kMoveFlags))
        return false;
    const DWORD now = GetFileAttributesW(t.path.c_str());
    const DWORD wanted = *t.attributes & kKeptAttributes;
    if (now == INVALID_FILE_ATTRIBUTES || (now & kKeptAttributes) == wanted) return true;
    // Failing here would leave the content written but report a failure.
    SetFileAttributesW(t.path.c_str(), wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL);
    return true;
}

constexpr int kNameAttempts = 100;

enum class Placed { Done, NameTaken, Failed };

// The bytes go to a new hidden file beside the target, flushed to disk, which
// `place` then puts where it belongs; a file it does not place is removed.
template <typename Place>
Placed throughTemporaryFile(const Target& t, std::string_view bytes, Place place) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path name = temporaryName(t, attempt);
        Handle h(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!h.valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return Placed::Failed;
        }
        const Placed placed =
            writeAll(h.get(), bytes) && FlushFileBuffers(h.get()) && h.close() ? place(name) : Placed::Failed;
        if (placed != Placed::Done) {
            h.close();
            DeleteFileW(name.c_str());
        }
        return placed;
    }
    return Placed::Failed;
}

}  // namespace

bool mayReplaceFileContent(const std::string& path) {
    const auto target = findTarget(path);
    return target && writable(*target);
}

Outcome replaceFileContent(const std::string& path, std::string_view bytes) {
    const auto target = findTarget(path);
    if (!target || !writable(*target)) return unableToWrite(path);
    const Placed placed = throughTemporaryFile(*target, bytes, [&](const fs::path& temporary) {
        return moveIntoPlace(temporary, *target) ? Placed::Done : Placed::Failed;
    });
    if (placed != Placed::Done) return unableToWrite(path);
    return {};
}

Result<bool> createPrivateFile(const std::string& path, std::string_view bytes) {
    if (path.empty() || namesWindowsDevice(path)) return unableToWrite(path);
    const Target t{pathFromUtf8(path), std::nullopt};
    // A move without MOVEFILE_REPLACE_EXISTING never takes the name from
    // another file: the complete file claims it.
    const Placed placed = throughTemporaryFile(t, bytes, [&](const fs::path& temporary) {
        if (MoveFileExW(temporary.c_str(), t.path.c_str(), MOVEFILE_WRITE_THROUGH)) return Placed::Done;
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Placed::NameTaken
                                                                           : Placed::Failed;
    });
    if (placed == Placed::Failed) return unableToWrite(path);
    return placed == Placed::Done;
}

}  // namespace zeru::cfgfile
