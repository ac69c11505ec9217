// SPDX-License-Identifier: GPL-3.0-or-later
// Paths travel through the program as UTF-8 strings (command-line arguments,
// file dialogs, log lines). These turn them into std::filesystem paths and
// back without the system's narrow code page: on Windows that code page cannot
// hold every name ("Житомир.cfg" on a Western system), on Linux the bytes pass
// unchanged.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zeru {

inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace zeru
