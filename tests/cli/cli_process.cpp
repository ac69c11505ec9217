// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of cli_process.h that every system shares; each system's
// cli_process_*.cpp starts the process.
#include "cli_process.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "support/unique_folder.h"

namespace zeru::test {

std::vector<std::string> CliRun::errLines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < err.size()) {
        std::size_t end = err.find('\n', start);
        if (end == std::string::npos) end = err.size();
        lines.push_back(err.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string CliRun::lastErrLine() const {
    const auto lines = errLines();
    return lines.empty() ? std::string() : lines.back();
}

ScratchFolder::ScratchFolder() : path_(makeUniqueFolder("zeru-cli-test-")) {}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace zeru::test
