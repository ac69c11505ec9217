// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/password_mask.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cfgfile/config_file.h"
#include "cfgfile/file_keys.h"
#include "cfgfile/load_notes.h"
#include "image/layout.h"
#include "interaction/message.h"

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

std::vector<PageOnWire> pagesOnWire(trace::Trace& trace) {
    std::vector<PageOnWire> pages;
    Report lastRequest{};
    for (trace::Step& step : trace.steps) {
        if (auto page = pageOf(step, lastRequest)) pages.push_back(*page);
        if (step.kind == trace::StepKind::Write) lastRequest = step.report;
    }
    return pages;
}

// "SerialPorts.Bluetooth_password", as the file, --set and the change lines name it.
std::string passwordKey() {
    for (const cfgfile::FileKey& key : cfgfile::fileKeys())
        if (key.form != cfgfile::KeyForm::Header && key.setting == layout::kBluetoothPassword.setting)
            return std::string(key.section) + "." + std::string(key.key);
    return {};
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The values a report's pieces carry, and the pieces masked.
class Finder {
public:
    std::vector<std::string> values;

    void pages(trace::Trace& trace) {
        for (const PageOnWire& p : pagesOnWire(trace)) {
            if (p.page != kPasswordPage) continue;
            const auto* text = p.step->report.data() + kPageDataOffset + kPasswordInPage;
            std::string value(text, std::find(text, text + kPasswordLength, 0));
            values.push_back(std::move(value));
        }
        maskPassword(trace);
    }

    // "--set KEY=VALUE" and "--set=KEY=VALUE", the key in any letter case.
    void commandLine(std::vector<std::string>& args) {
        constexpr std::string_view kSet = "--set";
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == kSet && i + 1 < args.size())
                assignment(args[i + 1], 0);
            else if (args[i].starts_with(kSet) && args[i].size() > kSet.size() && args[i][kSet.size()] == '=')
                assignment(args[i], kSet.size() + 1);
        }
    }

    // "SerialPorts.Bluetooth_password: "OLD" -> "NEW"", as a write logs its changes.
    void logLines(std::vector<std::string>& lines) {
        const std::string prefix = key_ + ": ";
        for (std::string& line : lines) {
            if (!line.starts_with(prefix)) continue;
            for (std::string value : quotedValues(std::string_view(line).substr(prefix.size())))
                values.push_back(std::move(value));
            line = prefix + cfgfile::quoted(kMaskedPassword) + " -> " + cfgfile::quoted(kMaskedPassword);
        }
    }

private:
    void assignment(std::string& arg, std::size_t at) {
        const std::size_t eq = arg.find('=', at);
        if (eq == std::string::npos || !sameIgnoringCase(std::string_view(arg).substr(at, eq - at), key_))
            return;
        values.push_back(arg.substr(eq + 1));
        arg.replace(eq + 1, std::string::npos, kMaskedPassword);
    }

    // The texts between the quotes of cfgfile::quoted, unescaped.
    static std::vector<std::string> quotedValues(std::string_view text) {
        std::vector<std::string> found;
        std::optional<std::string> open;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (!open) {
                if (c == '"') open.emplace();
            } else if (c == '\\' && i + 1 < text.size()) {
                *open += text[++i];
            } else if (c == '"') {
                found.push_back(std::move(*open));
                open.reset();
            } else {
                *open += c;
            }
        }
        return found;
    }

    std::string key_ = passwordKey();
};

// Overwrites every occurrence of `value` in `bytes` by as many '*'.
void overwrite(std::string& bytes, const std::string& value) {
    for (std::size_t at = bytes.find(value); at != std::string::npos;
         at = bytes.find(value, at + value.size()))
        bytes.replace(at, value.size(), value.size(), '*');
}

// Shorter values are masked only where their shape tells them: swept through
// every file, one or two characters would blank half of it.
constexpr std::size_t kShortestSwept = 3;

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
    const std::vector<PageOnWire> pages = pagesOnWire(trace);
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

std::vector<ArchiveFile> filesWithoutPassword(
    ProblemReport report, const std::function<std::vector<ArchiveFile>(ProblemReport)>& files) {
    Finder finder;
    finder.logLines(report.logLines);
    if (report.trace) {
        finder.pages(*report.trace);
        finder.commandLine(report.trace->commandLine);
        finder.logLines(report.trace->logLines);
    }
    // Each value as the report's texts may spell it: as found, in Latin-1
    // (the settings' texts) and in UTF-8 (the messages'), and escaped between quotes.
    std::vector<std::string> swept;
    for (const std::string& value : finder.values) {
        if (value.size() < kShortestSwept) continue;
        const std::string quoted = cfgfile::quoted(value);
        for (const std::string& spelling :
             {value, latin1ToUtf8(value), utf8ToLatin1(value), quoted.substr(1, quoted.size() - 2)}) {
            if (std::find(swept.begin(), swept.end(), spelling) == swept.end()) swept.push_back(spelling);
        }
    }
    const auto sweep = [&swept](std::string& text) {
        for (const std::string& value : swept) overwrite(text, value);
    };
    // The pcapng file keeps its bytes, whose page sums would break: its texts
    // are swept in the trace it is made of.
    if (report.trace) {
        trace::Trace& t = *report.trace;
        sweep(t.application);
        std::for_each(t.commandLine.begin(), t.commandLine.end(), sweep);
        std::for_each(t.logLines.begin(), t.logLines.end(), sweep);
        for (trace::Step& step : t.steps) {
            sweep(step.path);
            sweep(step.whyNot);
            for (HidDeviceInfo& device : step.devices) {
                sweep(device.path);
                sweep(device.serialNumber);
            }
        }
    }
    std::vector<ArchiveFile> masked = files(std::move(report));
    for (ArchiveFile& file : masked)
        if (!file.name.ends_with(".pcapng")) sweep(file.bytes);
    return masked;
}

}  // namespace zeru::report
