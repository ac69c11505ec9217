// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "cli/console.h"

namespace zeru::cli {
namespace {

// The console's code page before the tool changed it: the console outlives
// the tool, and the programs run in it after the tool expect their own.
UINT codePageBefore = 0;

constexpr std::size_t kOutputBuffer = 4096;

void restoreCodePage() { SetConsoleOutputCP(codePageBefore); }

}  // namespace

void prepareConsole() {
    // Without this the console shows UTF-8 as the OEM code page ("MĂĽller").
    // Failing leaves the console as it was: output still goes out. No
    // console (0): nothing to change.
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != 0 && codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        codePageBefore = codePage;
        std::atexit(restoreCodePage);
    }
    // Binary: no "\r" before each "\n" (a script would see it in every value),
    // and a configuration file written to standard output keeps its own
    // "\r\n" line ends instead of "\r\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Into NUL or another device that is not a console, the C library leaves
    // standard output unbuffered, and each character of a printf becomes a
    // write of its own: buffered, as into a file or pipe here and on Linux.
    // A console keeps it unbuffered, so that its lines stay in order with
    // the log's on standard error. Failing leaves the stream as it was.
    if (!isTerminal(stdout)) std::setvbuf(stdout, nullptr, _IOFBF, kOutputBuffer);
}

bool isTerminal(std::FILE* stream) {
    // A console, not merely a character device: NUL is one too.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace zeru::cli
