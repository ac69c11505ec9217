// SPDX-License-Identifier: GPL-3.0-or-later
// The memory zeru-cli takes for a 100 MiB trace, in a fresh process each run:
// `trace`, `report` and `--replay ... list` (goal: a peak under twice the
// file plus a constant). Two files: a hostile one of the smallest reports
// that make steps, and a capture of a busy bus in which the device's few
// reports stand among another device's large transfers.
#include <benchmark/benchmark.h>

#ifdef ZERU_CLI_PATH

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "trace/pcapng_format.h"

namespace {

namespace fs = std::filesystem;
using namespace zeru::trace::pcapng;

constexpr std::size_t kTraceSize = std::size_t{100} * 1024 * 1024;

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A usbmon packet block (little-endian) on interface 0.
void packet(std::string& out, std::uint64_t id, char event, std::uint8_t transfer, std::uint8_t endpoint,
            std::uint8_t device, std::size_t dataLength) {
    const std::size_t captured = kUsbHeaderSize + dataLength;
    const std::size_t padded = (captured + 3) & ~std::size_t{3};
    put(out, kEnhancedPacketBlock, 4);
    put(out, 32 + padded, 4);
    put(out, 0, 4);          // interface
    put(out, 0, 4);          // time, high
    put(out, id * 1000, 4);  // time, low (microseconds)
    put(out, captured, 4);   // captured
    put(out, captured, 4);   // original
    put(out, id, 8);         // URB id
    out += event;
    out += static_cast<char>(transfer);
    out += static_cast<char>(endpoint);
    out += static_cast<char>(device);
    put(out, 1, 2);        // bus
    out.append(14, '\0');  // flags, time
    put(out, event == kSubmit ? static_cast<std::uint32_t>(kInProgress) : 0, 4);
    put(out, dataLength, 4);  // length
    put(out, dataLength, 4);  // data captured
    out.append(kUsbHeaderSize - 40, '\0');
    out.append(dataLength, '\x5A');
    out.append(padded - captured, '\0');
    put(out, 32 + padded, 4);
}

std::string traceOfShape(bool hostile) {
    std::string out;
    put(out, kSectionHeaderBlock, 4);
    put(out, 28, 4);
    put(out, kByteOrderMagic, 4);
    put(out, 1, 2);
    put(out, 0, 2);
    put(out, ~std::uint64_t{0}, 8);
    put(out, 28, 4);
    put(out, kInterfaceDescriptionBlock, 4);
    put(out, 20, 4);
    put(out, kLinkTypeUsbLinuxMmapped, 2);
    put(out, 0, 2);
    put(out, 0, 4);
    put(out, 20, 4);
    std::uint64_t id = 1;
    while (out.size() < kTraceSize) {
        if (hostile) {
            packet(out, id++, kSubmit, kInterruptTransfer, 0x01, 5, 64);  // a request, nothing more
        } else {
            packet(out, id, kSubmit, kInterruptTransfer, 0x01, 5, 64);
            packet(out, id, kComplete, kInterruptTransfer, 0x01, 5, 0);
            packet(out, id + 1, kComplete, kInterruptTransfer, 0x81, 5, 64);
            for (int i = 0; i < 8; ++i)
                packet(out, id + 2 + static_cast<std::uint64_t>(i), kComplete, 3, 0x82, 7, 65536);
            id += 10;
        }
    }
    return out;
}

// Runs zeru-cli in `folder` with its output thrown away; its peak memory in
// bytes. Forked rather than spawned: a child spawned with vfork inherits the
// peak of this process's memory as its own, a forked one only what this
// process holds when it forks (which holds no trace: see TraceFolder).
long peakOfRun(std::vector<std::string> args, const fs::path& folder) {
    args.insert(args.begin(), ZERU_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        if (null < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0 || ::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::execv(ZERU_CLI_PATH, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) < 0) return -1;
    return usage.ru_maxrss * 1024L;
}

class TraceFolder {
public:
    explicit TraceFolder(bool hostile) {
        std::string pattern = (fs::temp_directory_path() / "zeru-bench-trace-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        // Made in a child, so that this process never holds the 100 MiB.
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::ofstream out(path_ / "big.pcapng", std::ios::binary);
            out << traceOfShape(hostile);
            ::_exit(out.flush() ? 0 : 1);
        }
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            throw std::runtime_error("cannot make the trace");
    }
    ~TraceFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// state.range(0): 1 for the hostile file, 0 for the bus capture.
void traceMemory(benchmark::State& state, const std::vector<std::string>& args) {
    const TraceFolder folder(state.range(0) == 1);
    long peak = 0;
    for (auto _ : state) peak = std::max(peak, peakOfRun(args, folder.path()));
    if (peak < 0) state.SkipWithError("zeru-cli did not run");
    const auto size = static_cast<double>(fs::file_size(folder.path() / "big.pcapng"));
    state.counters["peak_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["peak_per_file"] = static_cast<double>(peak) / size;
}

void BM_TraceCommandMemory(benchmark::State& state) { traceMemory(state, {"trace", "big.pcapng"}); }
BENCHMARK(BM_TraceCommandMemory)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_ReportCommandMemory(benchmark::State& state) {
    traceMemory(state, {"report", "-o", "r.zip", "big.pcapng"});
}
BENCHMARK(BM_ReportCommandMemory)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_ReplayListMemory(benchmark::State& state) { traceMemory(state, {"--replay=big.pcapng", "list"}); }
BENCHMARK(BM_ReplayListMemory)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace

#endif
