// SPDX-License-Identifier: GPL-3.0-or-later
// The marks at fields and tabs follow every edit, and the "Changes" window
// puts values back as if the user picked them (the form rules settle), its
// undo exactly as they were.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/feedback/window_feedback.h"
#include "app/fields/widget_settings.h"
#include "app/widgets/page_locator.h"
#include "image/codec.h"
#include "interaction/silent_ui.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

class FieldFeedbackTest : public StartedWindow {
protected:
    FieldFeedback& fields() { return form->feedback().fields(); }
    void settle() { QCoreApplication::processEvents(); }
    void type(const char* setting, const QString& text) {
        auto* line = find<QLineEdit>(setting);
        line->selectAll();
        QTest::keyClicks(line, text);
        settle();
    }
    // The tab of `page` on its tab control has an icon.
    bool tabMarked(const char* page) {
        const auto [control, index] = tabsHolding(find(page)).front();
        return !control->tabIcon(index).isNull();
    }
};

TEST_F(FieldFeedbackTest, MarksAndTabIconsFollowEdits) {
    struct Row {
        const char* setting;
        const char* typed;
        bool changed;
        std::optional<FieldMark> problem;
        const char* tooltipPart;
    };
    const Row rows[] = {
        {"Callsign", "OK1ZRU", true, std::nullopt, "Changed from \"NOCALL\"."},
        {"Txdelay", "0250", false, std::nullopt, ""},  // the same number as the baseline's 250
        {"Txdelay", "5a", true, FieldMark::Error, "'5a' is not a valid integer value."},
        {"Teletitle", "Hill top", true, std::nullopt, "Changed from \"Telemetry test\"."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setting + std::string(" ") + r.typed);
        QWidget* field = find(r.setting);
        const QString help = field->toolTip();
        const std::string before = form->settings().text(settingNamed(r.setting));
        type(r.setting, QString::fromLatin1(r.typed));
        EXPECT_EQ(fields().marks().isChanged(field), r.changed);
        EXPECT_EQ(fields().marks().problemOf(field), r.problem);
        EXPECT_TRUE(field->toolTip().contains(QString::fromLatin1(r.tooltipPart)));
        EXPECT_EQ(tabMarked(std::string(settingsCatalogue().def(r.setting).page).c_str()),
                  r.changed || r.problem);
        if (r.setting == std::string("Teletitle")) {
            EXPECT_TRUE(tabMarked("TabSheet_telemetry_reports"));  // the parent tab too
        }

        // Typed back, every mark goes and the tooltip is the help text again.
        type(r.setting, QString::fromLatin1(before.c_str()));
        EXPECT_FALSE(fields().marks().isChanged(field));
        EXPECT_EQ(fields().marks().problemOf(field), std::nullopt);
        EXPECT_EQ(field->toolTip(), help);
        EXPECT_FALSE(tabMarked("TabSheet_telemetry_reports"));
        EXPECT_FALSE(tabMarked("TabSheet_radio"));
    }
}

TEST_F(FieldFeedbackTest, TheProblemsButtonCountsAndItsListShowsTheField) {
    form->show();
    auto* button = form->feedback().problemsButton();
    const QString before = button->text();
    form->settings().setText(SettingId::Txdelay, "5a");
    form->settings().setText(SettingId::Latitude, "5223.08X");
    settle();
    const int n = before.mid(QStringLiteral("Problems: ").size()).toInt();
    EXPECT_EQ(button->text(), QStringLiteral("Problems: %1").arg(n + 2));

    ProblemsWindow& list = form->feedback().showProblems();
    find<QTabWidget>("PageControl1")->setCurrentIndex(3);
    // A click on a line; errors first, in the order "Write config" checks them.
    const QRect line = list.list().visualItemRect(list.list().topLevelItem(0));
    QTest::mouseClick(list.list().viewport(), Qt::LeftButton, {}, line.center());
    const std::string first(settingName(fields().problems().front().setting));
    ASSERT_TRUE(first == "Txdelay" || first == "Latitude") << first;
    EXPECT_TRUE(find("TabSheet_radio")->isVisible());
    EXPECT_EQ(find<QLineEdit>(first)->selectedText(),
              QString::fromStdString(form->settings().text(settingNamed(first))));
}

TEST_F(FieldFeedbackTest, RevertAndRevertAllPutTheBaselineBack) {
    form->settings().setText(SettingId::Callsign, "OK1ZRU");
    form->settings().setIndex(SettingId::Ptt, 1);
    form->settings().setIndex(SettingId::Serial1_mode, 3);  // a rule would move port 2 and show a box
    settle();
    ChangesWindow& changes = form->feedback().showChanges();
    ASSERT_EQ(changes.listedSettings(), (std::vector<std::string>{"Callsign", "Ptt", "Serial1_mode"}));

    changes.list().topLevelItem(1)->setSelected(true);
    changes.revertSelected();
    EXPECT_EQ(changes.listedSettings(), (std::vector<std::string>{"Callsign", "Serial1_mode"}));
    EXPECT_EQ(form->settings().index(SettingId::Ptt), 0);

    changes.revertAll();
    EXPECT_TRUE(changes.listedSettings().empty());
    EXPECT_FALSE(fields().hasUnsavedChanges());
    EXPECT_TRUE(ui.boxes().empty());
    EXPECT_TRUE(find("Changes_list_empty")->isVisibleTo(&changes)) << "an empty list says so";

    // Ctrl+Z takes the last revert back, once.
    QApplication::setActiveWindow(&changes);
    for (int press = 0; press < 2; ++press) QTest::keyClick(&changes.list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(changes.listedSettings(), (std::vector<std::string>{"Callsign", "Serial1_mode"}));
    EXPECT_EQ(form->settings().text(SettingId::Callsign), "OK1ZRU");
    EXPECT_EQ(form->settings().index(SettingId::Ptt), 0);
    EXPECT_FALSE(find("Changes_list_empty")->isVisibleTo(&changes));
    EXPECT_TRUE(ui.boxes().empty());
}

// Reverting one port's role settles the other, as a pick would, with the
// rule's box; the undo puts both back as they were, without one.
TEST_F(FieldFeedbackTest, RevertingAPortRoleSettlesTheOtherPort) {
    form->settings().setIndex(SettingId::Serial1_mode, 2);  // RS-232 console
    form->settings().setIndex(SettingId::Serial2_mode, 0);
    fields().takeBaseline();
    form->settings().setIndex(SettingId::Serial1_mode, 0);
    form->settings().setIndex(SettingId::Serial2_mode, 1);  // the console moved to Bluetooth
    settle();
    ChangesWindow& changes = form->feedback().showChanges();
    ASSERT_EQ(changes.listedSettings(), (std::vector<std::string>{"Serial1_mode", "Serial2_mode"}));
    ui.events.clear();

    changes.list().topLevelItem(0)->setSelected(true);
    changes.revertSelected();

    EXPECT_EQ(form->settings().index(SettingId::Serial1_mode), 2);
    EXPECT_EQ(form->settings().index(SettingId::Serial2_mode), 0) << "never two consoles";
    EXPECT_EQ(ui.boxes(),
              (std::vector<std::string>{"Bluetooth port 1 changed to None.\rReason:\rSerial console "
                                        "can be selected on one port only."}));
    EXPECT_TRUE(changes.listedSettings().empty());

    changes.undoRevert();
    EXPECT_EQ(form->settings().index(SettingId::Serial1_mode), 0);
    EXPECT_EQ(form->settings().index(SettingId::Serial2_mode), 1);
    EXPECT_EQ(ui.boxes().size(), 1u);
}

TEST_F(FieldFeedbackTest, ComparingWithTheDefaultsListsWhatDiffersFromThem) {
    form->settings().setText(SettingId::Callsign, "OK1ZRU");
    fields().takeBaseline();  // as after a save
    ChangesWindow& changes = form->feedback().showChanges();
    EXPECT_TRUE(changes.listedSettings().empty());
    ASSERT_TRUE(changes.compareWith(ChangesWindow::Reference::Defaults));
    EXPECT_EQ(changes.listedSettings(), std::vector<std::string>{"Callsign"});
    // Without a file chosen the comparison stays as it was.
    EXPECT_FALSE(changes.compareWith(ChangesWindow::Reference::File));
    EXPECT_EQ(changes.listedSettings(), std::vector<std::string>{"Callsign"});
}

// Against the device, the window counts as what the device would hold once
// written: names in capitals, the SSIDs of unnamed aliases as 0.
TEST_F(FieldFeedbackTest, ADeviceWrittenFromTheWindowShowsNoChange) {
    form->settings().setText(SettingId::Callsign, "ok1zru");
    ConfigImage written{};  // what "Write config" sends
    SilentUi quiet;
    ASSERT_TRUE(EncodeConfiguration(form->settings(), quiet, written, 7));
    ChangesWindow& changes = form->feedback().showChanges();
    changes.setSources({{}, [&](Settings& device) {
                            ConfigImage image = written;
                            return DecodeConfiguration(image, device, quiet);
                        }});
    ASSERT_TRUE(changes.compareWith(ChangesWindow::Reference::Device));
    EXPECT_TRUE(changes.listedSettings().empty());
    form->settings().setText(SettingId::Callsign, "DL2ABC");
    ASSERT_TRUE(changes.compareWith(ChangesWindow::Reference::Device));
    EXPECT_EQ(changes.listedSettings(), std::vector<std::string>{"Callsign"});
}

}  // namespace
}  // namespace zeru::app::test
