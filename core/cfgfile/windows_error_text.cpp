// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/windows_error_text.h"

#include <windows.h>

#include <filesystem>

#include "interaction/utf8_path.h"

namespace zeru::cfgfile {

std::string windowsErrorText(unsigned long error) {
    wchar_t text[512] = {};
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                   0, text, static_cast<DWORD>(std::size(text)), nullptr);
    std::wstring words(text, n);
    while (!words.empty() &&
           (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ' || words.back() == L'.'))
        words.pop_back();
    if (words.empty()) return "Error " + std::to_string(error);
    return utf8FromPath(std::filesystem::path(words));
}

}  // namespace zeru::cfgfile
