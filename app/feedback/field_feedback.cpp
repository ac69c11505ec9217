// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/field_feedback.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "app/fields/beacon_message_edit.h"
#include "app/fields/field_factory.h"
#include "app/fields/widget_settings.h"
#include "app/widgets/page_locator.h"
#include "settings/catalogue.h"

namespace zeru::app {
namespace {

QString changeText(const compare::Difference& d) {
    return QStringLiteral("Changed from \"%1\".").arg(latin1(d.before));
}

}  // namespace

FieldFeedback::FieldFeedback(WidgetSettings& settings, QTabWidget& pages, QObject* parent)
    : QObject(parent), settings_(settings), pages_(pages), marks_(this) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &FieldFeedback::refresh);
    watchFields();
    tabMarks_[&pages_];
    for (QTabWidget* control : pages_.findChildren<QTabWidget*>()) tabMarks_[control];
}

void FieldFeedback::watchFields() {
    auto schedule = [this] { pending_.start(); };
    for (const SettingDef& def : settingsCatalogue().defs()) {
        QWidget* w = settings_.widget(def.name);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            connect(line, &QLineEdit::textChanged, this, schedule);
        else if (auto* box = qobject_cast<QComboBox*>(w))
            connect(box, &QComboBox::currentIndexChanged, this, schedule);
        else if (auto* message = qobject_cast<BeaconMessageEdit*>(w))
            connect(message, &QPlainTextEdit::textChanged, this, schedule);
    }
}

void FieldFeedback::takeBaseline(BaselineFrom from) {
    copySettings(settings_, baseline_);
    baselineRead_ = from == BaselineFrom::ReadOrWritten;
    refresh();
}

const std::vector<compare::Difference>& FieldFeedback::changes() {
    if (pending_.isActive()) refresh();
    return changes_;
}

const std::vector<problems::Problem>& FieldFeedback::problems() {
    if (pending_.isActive()) refresh();
    return problems_;
}

void FieldFeedback::refresh() {
    pending_.stop();
    changes_ = compare::compareSettings(baseline_, settings_);
    problems_ = problems::findProblems(settings_);
    markChanges();
    markProblems();
    markTabs();
    emit updated();
}

void FieldFeedback::markChanges() {
    std::unordered_map<QWidget*, QString> texts;
    texts.reserve(changes_.size());
    for (const compare::Difference& d : changes_) texts.emplace(field(d.key->setting), changeText(d));
    for (const auto& [w, text] : changeTexts_)
        if (!texts.contains(w)) marks_.setChange(w, QString());
    for (const auto& [w, text] : texts) {
        auto old = changeTexts_.find(w);
        if (old == changeTexts_.end() || old->second != text) marks_.setChange(w, text);
    }
    changeTexts_ = std::move(texts);
}

void FieldFeedback::markProblems() {
    std::unordered_map<QWidget*, std::pair<FieldMark, QString>> wanted;
    for (const problems::Problem& p : problems_) {
        const FieldMark mark =
            p.severity == problems::Severity::Error ? FieldMark::Error : FieldMark::Warning;
        auto [it, added] = wanted.try_emplace(field(p.setting), mark, messageText(p.message));
        if (added) continue;
        // A field with several problems shows the worst mark and every message.
        it->second.first = std::min(it->second.first, mark);
        it->second.second += QLatin1Char('\n') + messageText(p.message);
    }
    for (const auto& [w, mark] : problemMarks_)
        if (!wanted.contains(w)) marks_.setProblem(w, std::nullopt);
    for (const auto& [w, mark] : wanted) {
        auto old = problemMarks_.find(w);
        if (old == problemMarks_.end() || old->second != mark) marks_.setProblem(w, mark.first, mark.second);
    }
    problemMarks_ = std::move(wanted);
}

void FieldFeedback::markTabs() {
    std::unordered_map<QTabWidget*, std::vector<int>> wanted;
    for (auto& [control, marks] : tabMarks_)
        wanted[control].assign(static_cast<std::size_t>(control->count()), -1);
    auto mark = [&](QWidget* w, FieldMark m) {
        for (const auto& [control, index] : tabsHolding(w)) {
            int& shown = wanted[control][static_cast<std::size_t>(index)];
            // A problem outranks a change, an error a warning.
            if (shown < 0 || static_cast<int>(m) < shown) shown = static_cast<int>(m);
        }
    };
    for (const auto& [w, text] : changeTexts_) mark(w, FieldMark::Change);
    for (const auto& [w, problem] : problemMarks_) mark(w, problem.first);

    for (auto& [control, marks] : tabMarks_) {
        const std::vector<int>& want = wanted[control];
        marks.resize(want.size(), -1);
        for (std::size_t i = 0; i < want.size(); ++i) {
            if (marks[i] == want[i]) continue;
            marks[i] = want[i];
            control->setTabIcon(static_cast<int>(i),
                                want[i] < 0 ? QIcon() : markIcon(static_cast<FieldMark>(want[i])));
        }
    }
}

QWidget* FieldFeedback::field(SettingId setting) const { return settings_.widget(setting); }

void FieldFeedback::showSetting(SettingId setting, bool selectText) { showField(field(setting), selectText); }

}  // namespace zeru::app
