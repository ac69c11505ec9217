// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/fault.h"

#include <array>
#include <utility>

#include "settings/whole_number.h"

namespace zeru::sim {

namespace {

constexpr std::array<std::pair<FaultKind, std::string_view>, 9> kKindNames{{
    {FaultKind::Refuse, "refuse"},
    {FaultKind::BadSum, "bad-sum"},
    {FaultKind::BadEcho, "bad-echo"},
    {FaultKind::Short, "short"},
    {FaultKind::Silent, "silent"},
    {FaultKind::WrongPage, "wrong-page"},
    {FaultKind::Gone, "gone"},
    {FaultKind::Drop, "drop"},
    {FaultKind::Flip, "flip"},
}};

}  // namespace

std::string_view faultKindName(FaultKind kind) {
    for (const auto& [k, name] : kKindNames)
        if (k == kind) return name;
    return "?";
}

std::optional<FaultKind> parseFaultKind(std::string_view name) {
    for (const auto& [kind, n] : kKindNames)
        if (n == name) return kind;
    return std::nullopt;
}

std::optional<Fault> parseFault(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<FaultKind> kind = parseFaultKind(text.substr(0, colon));
    if (!kind) return std::nullopt;
    const std::string_view where = text.substr(colon + 1);
    if (where == "fw") return Fault{*kind, FaultTarget::FirmwareVersion, 0};
    if (where == "hw") return Fault{*kind, FaultTarget::HardwareVersion, 0};
    const std::optional<std::int32_t> page = parseWholeNumber(where);
    if (!page || *page < 0 || *page > 0xFFFF) return std::nullopt;
    return Fault{*kind, FaultTarget::Page, *page};
}

std::string formatFault(const Fault& fault) {
    std::string text(faultKindName(fault.kind));
    text += ':';
    switch (fault.target) {
        case FaultTarget::FirmwareVersion:
            return text + "fw";
        case FaultTarget::HardwareVersion:
            return text + "hw";
        case FaultTarget::Page:
            break;
    }
    return text + std::to_string(fault.page);
}

}  // namespace zeru::sim
