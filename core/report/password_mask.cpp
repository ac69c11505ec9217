// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/password_mask.h"

#include <optional>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "image/layout.h"

namespace zeru::report {
namespace {

constexpr std::size_t kPasswordPage = layout::kBluetoothPassword.offset / kPageSize;
constexpr std::size_t kPasswordInPage = layout::kBluetoothPassword.offset % kPageSize;
constexpr std::size_t kPasswordLength = kMaskedPassword.size();
static_assert(kPasswordInPage + kPasswordLength <= kPageSize, "the password lies in one page");
static_assert(layout::kChecksumOffset + 4 <= kChecksumFirst,
              "the checksum lies in page 0, outside its own sum");

// A configuration page as it travels: the request of a write, the reply to a
// read, and the reply to a write (the device may echo what it stored).
enum class Way { Written, Read, Echoed };
struct PageOnWire {
    trace::Step* step;
    std::size_t page;
    Way way;
};

std::optional<PageOnWire> pageOf(trace::Step& step, const Report& lastRequest) {
    if (step.kind == trace::StepKind::Write && step.report[kCommandOffset] == kPageWriteCommand)
        return PageOnWire{&step, getLe16(step.report, kPageNumberOffset), Way::Written};
    if (step.kind != trace::StepKind::Read || step.result < static_cast<int>(kPageSumOffset + 2))
        return std::nullopt;
    if (lastRequest[kCommandOffset] == kPageReadCommand)
        return PageOnWire{&step, getLe16(lastRequest, kPageNumberOffset), Way::Read};
    if (lastRequest[kCommandOffset] == kPageWriteCommand)
        return PageOnWire{&step, getLe16(lastRequest, kPageNumberOffset), Way::Echoed};
    return std::nullopt;
}

int dataSum(const Report& report) { return pageSum(PageBytes(report.data() + kPageDataOffset, kPageSize)); }

// Changes the page's data by `change`, its page sum by as much.
template <typename Change>
void changePage(Report& report, Change change) {
    const int before = dataSum(report);
    change(report.data() + kPageDataOffset);
    putLe16(report, kPageSumOffset,
            static_cast<std::uint16_t>(getLe16(report, kPageSumOffset) + dataSum(report) - before));
}

}  // namespace

Result<std::string> configurationWithoutPassword(const Settings& settings) {
    auto saved = cfgfile::fileValues(settings);
    if (!saved) return saved.failure();
    std::vector<std::string>& values = saved.value();
    const auto keys = cfgfile::fileKeys();
    for (std::size_t i = 0; i < keys.size() && i < values.size(); ++i)
        if (keys[i].form != cfgfile::KeyForm::Header && keys[i].setting == layout::kBluetoothPassword.setting)
            values[i] = kMaskedPassword;
    return cfgfile::updatedFileContent("", values);
}

void maskPassword(trace::Trace& trace) {
    std::vector<PageOnWire> pages;
    Report lastRequest{};
    for (trace::Step& step : trace.steps) {
        if (auto page = pageOf(step, lastRequest)) pages.push_back(*page);
        if (step.kind == trace::StepKind::Write) lastRequest = step.report;
    }
    // Page 0 holds the checksum of the pages after it: it follows the change
    // of the next password page that goes the same way.
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].page != 0) continue;
        for (std::size_t j = i + 1; j < pages.size() && !(pages[j].page == 0 && pages[j].way == pages[i].way);
             ++j) {
            if (pages[j].page != kPasswordPage || pages[j].way != pages[i].way) continue;
            int change = 0;
            for (std::size_t k = 0; k < kPasswordLength; ++k)
                change += static_cast<unsigned char>(kMaskedPassword[k]) -
                          pages[j].step->report[kPageDataOffset + kPasswordInPage + k];
            changePage(pages[i].step->report, [&](std::uint8_t* data) {
                std::uint32_t checksum = 0;
                for (int b = 3; b >= 0; --b) checksum = checksum << 8 | data[layout::kChecksumOffset + b];
                checksum += static_cast<std::uint32_t>(change);
                for (int b = 0; b < 4; ++b)
                    data[layout::kChecksumOffset + b] = static_cast<std::uint8_t>(checksum >> (8 * b));
            });
            break;
        }
    }
    for (const PageOnWire& p : pages)
        if (p.page == kPasswordPage)
            changePage(p.step->report, [](std::uint8_t* data) {
                std::copy(kMaskedPassword.begin(), kMaskedPassword.end(), data + kPasswordInPage);
            });
}

}  // namespace zeru::report
