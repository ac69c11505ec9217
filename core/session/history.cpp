// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/history.h"

#include <algorithm>
#include <iterator>

#include "rules/rules.h"
#include "settings/catalogue.h"
#include "settings/spoken_name.h"

namespace zeru::session {
namespace {

bool isChoice(SettingId id) { return settingsCatalogue().def(id).kind == SettingKind::Choice; }

}  // namespace

SettingValue valueOf(const Settings& settings, SettingId id) {
    if (isChoice(id)) return {{}, settings.index(id)};
    return {settings.text(id), -1};
}

void writeValue(Settings& settings, SettingId id, const SettingValue& value) {
    if (isChoice(id))
        settings.setIndex(id, value.index);
    else
        settings.setText(id, value.text);
}

History::History(Settings& settings) : settings_(settings) {
    snapshot_.reserve(kSettingCount);
    for (std::size_t i = 0; i < kSettingCount; ++i) snapshot_.push_back(valueOf(settings_, settingAt(i)));
}

void History::resync() {
    for (std::size_t i = 0; i < kSettingCount; ++i) snapshot_[i] = valueOf(settings_, settingAt(i));
}

bool History::hasUnrecordedChanges() const {
    for (std::size_t i = 0; i < kSettingCount; ++i)
        if (valueOf(settings_, settingAt(i)) != snapshot_[i]) return true;
    return false;
}

bool History::record(std::string_view name) {
    Step step{std::string(name), {}};
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        SettingValue now = valueOf(settings_, settingAt(i));
        if (now == snapshot_[i]) continue;
        step.changes.push_back({settingAt(i), snapshot_[i], now});
        snapshot_[i] = std::move(now);
    }
    if (step.changes.empty()) return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) steps_.erase(steps_.begin());
    done_ = steps_.size();
    return true;
}

void History::write(const std::vector<SettingChange>& changes, bool forward) {
    bool encodingChanged = false;
    for (const SettingChange& change : changes) {
        const SettingValue& value = forward ? change.after : change.before;
        writeValue(settings_, change.id, value);
        snapshot_[indexOf(change.id)] = value;
        encodingChanged = encodingChanged || change.id == SettingId::Position_report_encoding;
    }
    // The values were settled when recorded; only the fields the encoding
    // enables follow it again (that rule changes no value).
    if (encodingChanged) rules::positionEncodingChanged(settings_);
}

const Step* History::undo() {
    record("Edit");
    if (!canUndo()) return nullptr;
    --done_;
    write(steps_[done_].changes, false);
    return &steps_[done_];
}

const Step* History::redo() {
    // An edit made after an undo starts a new line of steps: nothing to redo.
    if (record("Edit") || !canRedo()) return nullptr;
    write(steps_[done_].changes, true);
    return &steps_[done_++];
}

std::string undoLabel(const History& history) {
    const Step* step = history.nextUndo();
    return step ? "Undo " + step->name : "Undo";
}

std::string redoLabel(const History& history) {
    const Step* step = history.nextRedo();
    return step ? "Redo " + step->name : "Redo";
}

std::string editStepName(SettingId setting) { return "Edit " + spokenName(settingsCatalogue().def(setting)); }

}  // namespace zeru::session
