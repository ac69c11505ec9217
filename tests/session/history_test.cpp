// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/history.h"

#include <gtest/gtest.h>

#include <functional>

#include "interaction/silent_ui.h"
#include "rules/rules.h"
#include "session/editing_session.h"
#include "settings/settings_model.h"
#include "support/recording_ui.h"
#include "support/settings_diff.h"

namespace zeru::test {
namespace {

using session::EditingSession;

// One session over start-up settings, the baseline an edited callsign.
struct Fixture {
    SettingsModel settings;
    RecordingUi ui;
    EditingSession session{settings, ui};
    Fixture() {
        SilentUi quiet;
        rules::applyStartupSequence(settings, quiet);
        session.startOver();
    }
    void edit(SettingId id, std::string_view text) {
        settings.setText(id, text);
        session.recordUserEdit(id);
    }
};

struct Snapshot {
    SettingsModel values;
    explicit Snapshot(const Settings& s) { copySettings(s, values); }
};

// What the settings hold after each undo and redo, for sequences where the
// old "Undo revert" put back a stale copy of every setting.
TEST(History, EachUndoTakesBackOneStepAndRedoDoesItAgain) {
    Fixture f;
    const Snapshot start(f.settings);
    f.edit(SettingId::Callsign, "OK1ZRU");
    f.edit(SettingId::Txdelay, "300");
    const Snapshot edited(f.settings);
    ASSERT_TRUE(f.session.revert(f.session.changes()));  // both back to the baseline
    f.edit(SettingId::Latitude, "4905.12N");
    const Snapshot last(f.settings);

    // Undo: the latitude edit goes first, then the revert: the edits come back.
    EXPECT_EQ(session::undoLabel(f.session.history()), "Undo Edit Latitude");
    f.session.undo();
    EXPECT_EQ(f.settings.text(SettingId::Latitude), start.values.text(SettingId::Latitude));
    EXPECT_EQ(session::undoLabel(f.session.history()), "Undo Revert 2 settings");
    f.session.undo();
    EXPECT_EQ(differences(f.settings, edited.values), std::vector<std::string>{});
    f.session.undo();
    f.session.undo();
    EXPECT_EQ(differences(f.settings, start.values), std::vector<std::string>{});
    EXPECT_EQ(f.session.undo(), nullptr);
    EXPECT_EQ(session::undoLabel(f.session.history()), "Undo");

    for (int i = 0; i < 4; ++i) ASSERT_NE(f.session.redo(), nullptr);
    EXPECT_EQ(differences(f.settings, last.values), std::vector<std::string>{});
    EXPECT_EQ(f.session.redo(), nullptr);

    // A new edit after an undo drops the steps undone.
    f.session.undo();
    f.edit(SettingId::Quiettime, "500");
    EXPECT_FALSE(f.session.history().canRedo());
    EXPECT_EQ(session::redoLabel(f.session.history()), "Redo");
    EXPECT_TRUE(f.ui.events.empty());  // undo and redo tell nothing
}

// A change made outside any step (typed, not yet recorded) is recorded as
// "Edit" before an undo takes it back: nothing is lost to a stale snapshot.
TEST(History, AnUnrecordedEditIsItsOwnStep) {
    Fixture f;
    f.edit(SettingId::Callsign, "OK1ZRU");
    f.settings.setText(SettingId::Txdelay, "300");
    ASSERT_TRUE(f.session.history().hasUnrecordedChanges());
    f.session.undo();
    EXPECT_EQ(f.settings.text(SettingId::Callsign), "OK1ZRU");
    EXPECT_EQ(f.settings.text(SettingId::Txdelay), "250");
    EXPECT_EQ(session::redoLabel(f.session.history()), "Redo Edit");
    f.session.redo();
    EXPECT_EQ(f.settings.text(SettingId::Txdelay), "300");
}

// A rule's consequence belongs to the step of its cause, and its undo puts
// both back without running the rule again (no message).
TEST(History, RuleConsequencesShareTheirCausesStep) {
    struct Case {
        const char* name;
        std::function<void(EditingSession&)> change;
        std::vector<SettingId> changed;
        std::size_t boxes;
    };
    const std::vector<Case> cases{
        {"pick",
         [](EditingSession& s) { s.chooseEntry(SettingId::Serial1_mode, 2); },
         {SettingId::Serial1_mode, SettingId::Serial2_mode},
         1},
        {"assignments",
         [](EditingSession& s) {
             const session::Assignment list[] = {{SettingId::Callsign, {"OK1ZRU", -1}},
                                                 {SettingId::Serial1_mode, {{}, 2}}};
             s.applyAssignments("Club template", list);
         },
         {SettingId::Callsign, SettingId::Serial1_mode, SettingId::Serial2_mode},
         1},
        {"preset", [](EditingSession& s) { s.defaultParameters(true, 1); }, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.settings.setIndex(SettingId::Serial1_mode, 0);
        f.settings.setIndex(SettingId::Serial2_mode, 1);  // the serial console on the other port
        f.settings.setIndex(SettingId::Teleanalog1_source, 7);
        f.session.startOver();
        const Snapshot before(f.settings);
        c.change(f.session);
        ASSERT_EQ(f.session.history().steps().size(), 1u);
        const session::Step& step = f.session.history().steps()[0];
        if (!c.changed.empty()) {
            std::vector<SettingId> ids;
            for (const auto& change : step.changes) ids.push_back(change.id);
            EXPECT_EQ(ids, c.changed);
        }
        EXPECT_EQ(f.ui.boxes().size(), c.boxes);
        f.session.undo();
        EXPECT_EQ(differences(f.settings, before.values), std::vector<std::string>{});
        EXPECT_EQ(f.ui.boxes().size(), c.boxes);
    }
}

// Undo of the position encoding leaves the fields it enables as the encoding says.
TEST(History, UndoOfTheEncodingEnablesItsFields) {
    Fixture f;
    const int encoding = f.settings.index(SettingId::Position_report_encoding);
    f.session.chooseEntry(SettingId::Position_report_encoding, encoding == 0 ? 1 : 0);
    const bool changedEnabled = f.settings.isEnabled(SettingId::Mice_message);
    f.session.undo();
    EXPECT_NE(f.settings.isEnabled(SettingId::Mice_message), changedEnabled);
    EXPECT_EQ(f.settings.isEnabled(SettingId::Mice_message), encoding == 0);
}

}  // namespace
}  // namespace zeru::test
