// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the configuration file (all 229 keys) through a real file,
// against a key-by-key profile writer that rereads and rewrites the whole file
// for every key.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/file_replace.h"
#include "cfgfile/profile_file.h"
#include "settings/settings_model.h"
#include "support_null_ui.h"

namespace {

namespace fs = std::filesystem;

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "zeru-bench-cfg-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void BM_SaveConfigFile(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.file("bench.cfg");
    zeru::SettingsModel model;
    for (auto _ : state)
        if (!zeru::cfgfile::saveConfigFile(model, path)) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveConfigFile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadConfigFile(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.file("bench.cfg");
    zeru::SettingsModel model;
    zeru::bench::NullUi ui;
    if (!zeru::cfgfile::saveConfigFile(model, path)) state.SkipWithError("save failed");
    for (auto _ : state) benchmark::DoNotOptimize(zeru::cfgfile::loadConfigFile(path, model, ui).ok());
}
BENCHMARK(BM_LoadConfigFile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A file at the size limit (1 MiB): a saved file with some 40000 unknown keys
// in one of its sections, the most lines a file that loads can hold. Loading
// it must stay linear in its size, far from the 229 rescans a key-by-key
// reader would make.
void BM_LoadLargeConfigFile(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.file("large.cfg");
    zeru::SettingsModel model;
    zeru::bench::NullUi ui;
    if (!zeru::cfgfile::saveConfigFile(model, path)) state.SkipWithError("save failed");
    std::string content = zeru::cfgfile::readFileBytes(path).value();
    std::string padding;
    for (int i = 0; content.size() + padding.size() + 32 < zeru::cfgfile::kMaxConfigFileSize; ++i)
        padding += "Unknown" + std::to_string(i) + "=some value\r\n";
    content.insert(content.find("[Digipeater]"), padding);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    for (auto _ : state) {
        if (!zeru::cfgfile::loadConfigFile(path, model, ui)) state.SkipWithError("refused");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * content.size()));
}
BENCHMARK(BM_LoadLargeConfigFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What a profile writer that handles one key per call does: read the file,
// change one key, write the whole file back, 229 times.
void BM_SaveConfigFilePerKey(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.file("bench.cfg");
    zeru::SettingsModel model;
    if (!zeru::cfgfile::saveConfigFile(model, path)) state.SkipWithError("save failed");
    const auto keys = zeru::cfgfile::fileKeys();
    for (auto _ : state) {
        const auto values = zeru::cfgfile::fileValues(model);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            zeru::cfgfile::ProfileFile file(zeru::cfgfile::readFileBytes(path).value_or(""));
            file.write(keys[i].section, keys[i].key, values.value()[i]);
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << file.bytes();
            if (!out) state.SkipWithError("write failed");
        }
    }
}
BENCHMARK(BM_SaveConfigFilePerKey)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
