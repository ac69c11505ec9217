// SPDX-License-Identifier: GPL-3.0-or-later
// Taking changes back, and the question asked before closing over them.
#include "changes/pending_changes.h"

#include <gtest/gtest.h>

#include "settings/settings_model.h"
#include "support/recording_ui.h"

namespace zeru::changes {
namespace {

TEST(RevertSettings, PutsBackOnlyTheGivenDifferencesOfEveryKind) {
    const SettingsModel baseline;
    SettingsModel current;
    current.setText(SettingId::Callsign, "OK1ZRU");    // text
    current.setText(SettingId::Txdelay, "300");        // number
    current.setIndex(SettingId::Ptt, 1);               // choice
    current.setIndex(SettingId::Alias1_enable, 0);     // flag
    current.setText(SettingId::Position_path1, "XY");  // left as it is
    auto differences = compare::compareSettings(baseline, current);
    ASSERT_EQ(differences.size(), 5u);
    std::erase_if(differences,
                  [](const compare::Difference& d) { return d.key->setting == SettingId::Position_path1; });

    revertSettings(current, baseline, differences);

    const auto left = compare::compareSettings(baseline, current);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].key->setting, SettingId::Position_path1);
}

TEST(MayClose, AsksOnlyOverUnsavedChangesAndClosesAsAnswered) {
    struct Row {
        bool unsaved;
        SaveAnswer answer;
        bool saveSucceeds;
        bool closes;
        int saves;
    };
    const Row rows[] = {
        {false, SaveAnswer::Cancel, false, true, 0}, {true, SaveAnswer::Discard, false, true, 0},
        {true, SaveAnswer::Cancel, true, false, 0},  {true, SaveAnswer::Save, true, true, 1},
        {true, SaveAnswer::Save, false, false, 1},  // the save was cancelled or refused
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "unsaved " << r.unsaved << ", answer " << int(r.answer));
        test::RecordingUi ui;
        ui.saveChangesAnswer = r.answer;
        int saves = 0;
        EXPECT_EQ(mayClose(r.unsaved, ui, [&] { return ++saves, r.saveSucceeds; }), r.closes);
        EXPECT_EQ(saves, r.saves);
        EXPECT_EQ(ui.texts(test::RecordingUi::Event::Question),
                  r.unsaved ? std::vector<std::string>{std::string(kSaveBeforeClosingQuestion)}
                            : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace zeru::changes
