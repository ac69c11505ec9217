// SPDX-License-Identifier: GPL-3.0-or-later
// runCli on Windows: CreateProcessW with pipes, its command line quoted as
// the C runtime takes it apart again.
#include <windows.h>

#include <stdexcept>
#include <thread>

#include "cli_process.h"
#include "interaction/utf8_path.h"

namespace zeru::test {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + " failed, Windows error " + std::to_string(GetLastError()));
}

class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    HANDLE* out() { return &h_; }
    void close() {
        if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
        h_ = nullptr;
    }

private:
    HANDLE h_ = nullptr;
};

std::wstring wide(const std::string& utf8) { return pathFromUtf8(utf8).wstring(); }

// Backslashes count only before a quote: doubled there, and a quote escaped.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

// This process's environment with the user's folders moved into `folder`.
std::wstring environmentFor(const std::filesystem::path& folder) {
    const std::wstring state = (folder / "state").wstring();
    std::wstring block = L"HOME=" + folder.wstring() + L'\0' + L"XDG_STATE_HOME=" + state + L'\0' +
                         L"LOCALAPPDATA=" + state + L'\0';
    wchar_t* current = GetEnvironmentStringsW();
    if (current == nullptr) fail("GetEnvironmentStringsW");
    for (const wchar_t* e = current; *e != L'\0'; e += wcslen(e) + 1) {
        const std::wstring_view entry(e);
        const bool replaced = entry.starts_with(L"HOME=") || entry.starts_with(L"XDG_STATE_HOME=") ||
                              entry.starts_with(L"LOCALAPPDATA=");
        if (!replaced) block.append(entry) += L'\0';
    }
    FreeEnvironmentStringsW(current);
    return block + L'\0';
}

void readAll(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
}

}  // namespace

std::vector<Stdout> unwritableStdouts() { return {Stdout::ClosedPipe}; }

std::filesystem::path defaultBackupsInFolder() { return "state/Kestrovane/Zeru/backups"; }

bool makeFifo(const std::string&) { return false; }

CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& folder, Stdout stdoutTo) {
    if (stdoutTo == Stdout::DevFull) throw std::invalid_argument("Windows has no /dev/full");
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(outRead.out(), outWrite.out(), &inherited, 0) ||
        !CreatePipe(errRead.out(), errWrite.out(), &inherited, 0))
        fail("CreatePipe");
    // The child gets the write ends only.
    if (!SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0) ||
        !SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0))
        fail("SetHandleInformation");
    Handle input(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                             OPEN_EXISTING, 0, nullptr));
    if (input.get() == INVALID_HANDLE_VALUE) fail("CreateFileW NUL");
    if (stdoutTo == Stdout::ClosedPipe) outRead.close();

    // Absolute, as this process sees it: the child starts in another folder.
    const std::wstring program = std::filesystem::absolute(pathFromUtf8(ZERU_CLI_PATH)).wstring();
    std::wstring commandLine = quoted(program);
    for (const std::string& a : args) commandLine += L" " + quoted(wide(a));
    std::wstring environment = environmentFor(folder);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    startup.hStdOutput = outWrite.get();
    startup.hStdError = errWrite.get();
    PROCESS_INFORMATION process{};
    // Wine on a busy machine now and then fails a start with ERROR_INTERNAL_ERROR
    // before anything has run: tried again, as nothing of the child exists yet.
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                           CREATE_UNICODE_ENVIRONMENT, environment.data(), folder.c_str(), &startup,
                           &process))
            break;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3)
            fail("CreateProcessW " + utf8FromPath(program));
        Sleep(200);
    }
    const Handle child(process.hProcess);
    const Handle thread(process.hThread);
    // Only the child holds the write ends now: the reads end when it does.
    outWrite.close();
    errWrite.close();
    input.close();

    CliRun run;
    // Both pipes at once, so that neither fills up and stalls the child.
    std::thread errReader([&] { readAll(errRead.get(), run.err); });
    if (stdoutTo == Stdout::Captured) readAll(outRead.get(), run.out);
    errReader.join();
    DWORD status = 0;
    if (WaitForSingleObject(child.get(), INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(child.get(), &status))
        fail("waiting for zeru-cli");
    run.status = static_cast<int>(status);
    return run;
}

}  // namespace zeru::test
