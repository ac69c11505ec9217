// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of one editing session. It keeps a snapshot of every
// setting's value; recording a step compares the settings with the snapshot
// and keeps each setting that changed (its value before and after) under the
// step's name, then takes the snapshot again. Whatever changed the settings
// (a user's edit with the rules it set off, a load, a read, a revert) is
// undone the same way: the values before are written back as a program's
// write, with no rule, since they were settled when they were recorded.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace zeru::session {

// One setting's value: the text of a text setting, the index of a choice.
struct SettingValue {
    std::string text;
    int index = -1;
    bool operator==(const SettingValue&) const = default;
};

SettingValue valueOf(const Settings& settings, SettingId id);
// A program's write of the value: no rule runs.
void writeValue(Settings& settings, SettingId id, const SettingValue& value);

struct SettingChange {
    SettingId id{};
    SettingValue before;
    SettingValue after;
};

// What one step did: its name ("Read from file", "Edit Callsign") and every
// setting it changed, in the order of SettingId.
struct Step {
    std::string name;
    std::vector<SettingChange> changes;
};

class History {
public:
    // The most steps kept; the oldest go first.
    static constexpr std::size_t kMaxSteps = 500;

    // Takes the snapshot of `settings` as they stand; nothing to undo yet.
    explicit History(Settings& settings);

    // Records what changed since the snapshot as one step named `name`, which
    // drops the steps undone before it. False (no step) when nothing changed.
    bool record(std::string_view name);
    // Takes the snapshot again without a step: what changed since is not
    // recorded (the start-up sequence).
    void resync();
    // Whether the settings differ from the snapshot: an edit not yet recorded.
    bool hasUnrecordedChanges() const;

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step the next undo or redo takes back or does again (nullptr when none).
    const Step* nextUndo() const { return canUndo() ? &steps_[done_ - 1] : nullptr; }
    const Step* nextRedo() const { return canRedo() ? &steps_[done_] : nullptr; }

    // Puts back the values before the last step done (an edit not yet
    // recorded is recorded first, as "Edit"), or does the next undone step
    // again. The step, or nullptr when there is none.
    const Step* undo();
    const Step* redo();

    // Every step kept, oldest first: the first doneCount() are done, the rest undone.
    std::span<const Step> steps() const { return steps_; }
    std::size_t doneCount() const { return done_; }

private:
    void write(const std::vector<SettingChange>& changes, bool forward);

    Settings& settings_;
    std::vector<SettingValue> snapshot_;  // indexed by SettingId
    std::vector<Step> steps_;
    std::size_t done_ = 0;
};

// "Undo Read from file", "Redo Revert 3 settings"; "Undo" or "Redo" alone
// when there is no step.
std::string undoLabel(const History& history);
std::string redoLabel(const History& history);

// The name of the step a user's edit of `setting` makes: "Edit Callsign".
std::string editStepName(SettingId setting);

}  // namespace zeru::session
