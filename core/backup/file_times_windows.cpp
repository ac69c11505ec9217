// SPDX-License-Identifier: GPL-3.0-or-later
// The file's times as Windows keeps them: FILETIME, 100 ns ticks since 1601.
#include <windows.h>

#include <chrono>
#include <cstdint>

#include "backup/file_times.h"

namespace zeru::backup {
namespace {

using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
// From 1601-01-01 to 1970-01-01, the system clock's epoch.
constexpr auto kFromFileTimeEpoch = std::chrono::seconds(11'644'473'600);

std::filesystem::file_time_type fromFileTime(const FILETIME& t) {
    const auto ticks = Ticks((static_cast<std::int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    const std::chrono::sys_time<Ticks> system(ticks - kFromFileTimeEpoch);
    return std::chrono::time_point_cast<std::filesystem::file_time_type::duration>(
        std::chrono::file_clock::from_sys(system));
}

FILETIME toFileTime(std::filesystem::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    // In ticks before the epochs' distance is added: in nanoseconds it would overflow.
    const auto ticks =
        (std::chrono::duration_cast<Ticks>(system.time_since_epoch()) + kFromFileTimeEpoch).count();
    const auto value = static_cast<std::uint64_t>(ticks);
    return FILETIME{static_cast<DWORD>(value & 0xFFFF'FFFFu), static_cast<DWORD>(value >> 32)};
}

std::error_code lastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

}  // namespace

std::filesystem::file_time_type lastWriteTime(const std::filesystem::path& path, std::error_code& error) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        error = lastError();
        return {};
    }
    error.clear();
    return fromFileTime(data.ftLastWriteTime);
}

void setLastWriteTime(const std::filesystem::path& path, std::filesystem::file_time_type time,
                      std::error_code& error) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = lastError();
        return;
    }
    const FILETIME written = toFileTime(time);
    const bool set = SetFileTime(file, nullptr, nullptr, &written) != 0;
    error = set ? std::error_code() : lastError();
    if (!CloseHandle(file) && set) error = lastError();
}

}  // namespace zeru::backup
