// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_ui.h"

#include <algorithm>

#include "device/device_link.h"
#include "interaction/visible_text.h"

namespace zeru::cli {

bool isFailureLine(std::string_view line) {
    return line.find("error") != std::string_view::npos || line.find("not found") != std::string_view::npos ||
           line.rfind("Cannot open", 0) == 0 || line.rfind("Backup not saved", 0) == 0 ||
           line.rfind("The device now holds", 0) == 0;
}

bool isAdviceLine(std::string_view line) { return line == notFoundAdviceLine(); }

namespace {

// A box's lines may be separated by "\r\n", "\n" or a lone "\r".
template <typename Each>
void forEachLine(std::string_view text, Each each) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        each(text.substr(start, end - start));
        if (end == text.size()) break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

}  // namespace

TerminalUi::TerminalUi(std::FILE* out, bool verbose, bool progressBar)
    : out_(out), verbose_(verbose), progressBar_(progressBar && !verbose) {}

void TerminalUi::printLines(std::string_view text) {
    endBar();
    forEachLine(text, [this](std::string_view part) {
        const std::string line = visibleLine(part);
        std::fprintf(out_, "%s\n", line.c_str());
        lastLine_ = line;
    });
    std::fflush(out_);
}

void TerminalUi::keep(std::string_view text) {
    if (kept_ != nullptr) forEachLine(text, [this](std::string_view line) { kept_->emplace_back(line); });
}

void TerminalUi::log(const Message& line) {
    keep(line);
    if (isFailureLine(line)) lastFailureLine_ = visibleLine(line);
    if (!verbose_ && !isFailureLine(line) && !isAdviceLine(line)) return;
    endBar();
    lastLine_ = visibleLine(line);
    std::fprintf(out_, "%s\n", lastLine_.c_str());
}

void TerminalUi::endWithFailureLine() {
    if (lastFailureLine_.empty() || lastLine_ == lastFailureLine_) return;
    endBar();
    std::fprintf(out_, "%s\n", lastFailureLine_.c_str());
    lastLine_ = lastFailureLine_;
}

void TerminalUi::setProgressRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void TerminalUi::setProgress(int position) {
    position_ = position;
    if (!progressBar_) return;
    if (position == 0 && barShown_) {  // a transfer ended
        endBar();
        return;
    }
    const int span = maximum_ > minimum_ ? maximum_ - minimum_ : 1;
    const int width = 40;
    // A position outside the range must not draw a bar of absurd length.
    const int filled = std::clamp((position - minimum_) * width / span, 0, width);
    std::fprintf(out_, "\r[%-*s] %d/%d", width, std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 position - minimum_, span);
    std::fflush(out_);
    barShown_ = true;
}

void TerminalUi::endBar() {
    if (!barShown_) return;
    std::fputc('\n', out_);
    barShown_ = false;
}

}  // namespace zeru::cli
