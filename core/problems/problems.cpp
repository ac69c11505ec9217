// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/problems.h"

#include "image/config_image.h"
#include "image/refusal_sink.h"
#include "interaction/command.h"
#include "problems/advice.h"
#include "rules/rules.h"
#include "settings/catalogue.h"
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
    // A pair of port roles that no rule settled (a configuration from
    // elsewhere): an error at both ports, as the device cannot serve it.
    for (const rules::PortConflict& c : rules::portConflicts(settings))
        problems.push_back(problemAt(Severity::Error, c.setting, std::string(c.reason)));
    for (Advice& a : findAdvice(settings))
        problems.push_back(problemAt(Severity::Warning, a.setting, std::move(a.message)));
    return problems;
}

}  // namespace zeru::problems
