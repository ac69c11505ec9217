// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/problems.h"

#include "image/config_image.h"
#include "image/refusal_sink.h"
#include "interaction/command.h"
#include "problems/advice.h"
#include "rules/rules.h"
#include "settings/catalogue.h"
#include "settings/spoken_name.h"
#include "settings/whole_number.h"

namespace zeru::problems {
namespace {

Problem problemAt(Severity severity, SettingId setting, std::string message) {
    return {severity, setting, std::move(message), settingsCatalogue().def(setting).page};
}

// Every refusal of the encoding, each with the text "Write config" would show
// for it: a number that does not convert as the error box words it.
class AllRefusals : public RefusalSink {
public:
    explicit AllRefusals(std::vector<Problem>& out) : out_(out) {}
    bool refused(SettingId setting, const std::string& message) override {
        out_.push_back(problemAt(Severity::Error, setting, message));
        return true;
    }
    bool notANumber(SettingId setting, std::string_view text) override {
        out_.push_back(problemAt(Severity::Error, setting, errorBoxText(notAWholeNumberText(text))));
        return true;
    }

private:
    std::vector<Problem>& out_;
};

}  // namespace

std::vector<Problem> findProblems(const Settings& settings) {
    std::vector<Problem> problems;
    AllRefusals sink(problems);
    ConfigImage scratch{};
    static_cast<void>(EncodeConfiguration(settings, sink, scratch, 0));  // every refusal is in `problems`
    for (Problem& p : unsettledChoices(settings)) problems.push_back(std::move(p));
    for (Advice& a : findAdvice(settings))
        problems.push_back(problemAt(Severity::Warning, a.setting, std::move(a.message)));
    return problems;
}

std::vector<Problem> unsettledChoices(const Settings& settings) {
    std::vector<Problem> problems;
    for (const SettingDef& d : settingsCatalogue().defs())
        if (d.kind == SettingKind::Choice && settings.index(d.id) < 0)
            problems.push_back(
                problemAt(Severity::Warning, d.id,
                          spokenName(d) + " - outside its list: the device gets no selection."));
    // The rules accept such a pair when the RS-232 port changes last: told,
    // never refused, as the device takes it.
    for (const rules::PortConflict& c : rules::portConflicts(settings))
        problems.push_back(problemAt(Severity::Warning, c.setting, std::string(c.reason)));
    return problems;
}

}  // namespace zeru::problems
