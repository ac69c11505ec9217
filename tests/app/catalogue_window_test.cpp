// SPDX-License-Identifier: GPL-3.0-or-later
// Every catalogued setting stands in the window as a widget of its kind, with
// its default, tooltip, label, typing limit and choice list.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/fields/beacon_message_edit.h"
#include "app/fields/field_factory.h"
#include "changes/setting_reset.h"
#include "settings/catalogue.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using CatalogueInWindow = StartedWindow;

// How many settings each page holds is the catalogue's own test; here each
// setting must stand on the page the catalogue names.
TEST_F(CatalogueInWindow, EveryPageHoldsItsSettings) {
    for (const SettingDef& def : settingsCatalogue().defs())
        EXPECT_TRUE(find(def.page)->isAncestorOf(find(def.name))) << def.name << " is not on " << def.page;
    EXPECT_EQ(settingsCatalogue().size(), 226u);
}

TEST_F(CatalogueInWindow, EverySettingIsAWidgetOfItsKindShowingItsDefault) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        SCOPED_TRACE(def.name);
        QWidget* widget = find(def.name);
        const QString note = latin1(changes::defaultNote(def));
        EXPECT_EQ(widget->toolTip(), def.help.empty() ? note : latin1(def.help) + QLatin1Char('\n') + note);
        if (def.kind == SettingKind::Choice) {
            auto* box = qobject_cast<QComboBox*>(widget);
            ASSERT_TRUE(box);
            EXPECT_FALSE(box->isEditable());
            ASSERT_EQ(box->count(), static_cast<int>(def.choices.size()));
            for (int i = 0; i < box->count(); ++i) EXPECT_EQ(box->itemText(i), latin1(def.choices[i]));
            EXPECT_EQ(box->currentIndex(), def.defaultIndex);
        } else if (auto* message = qobject_cast<BeaconMessageEdit*>(widget)) {
            EXPECT_TRUE(def.name.ends_with("_message"));
            EXPECT_EQ(message->toPlainText(), latin1(def.defaultText));
        } else {
            auto* line = qobject_cast<QLineEdit*>(widget);
            ASSERT_TRUE(line);
            EXPECT_EQ(line->text(), latin1(def.defaultText));
        }
    }
}

TEST_F(CatalogueInWindow, EveryFieldLabelIsShownOnItsPage) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        if (def.label.empty()) continue;
        bool shown = false;
        for (QLabel* label : find(def.page)->findChildren<QLabel*>())
            shown |= label->text() == latin1(def.label);
        EXPECT_TRUE(shown) << def.name << " has no label " << def.label;
    }
}

TEST_F(CatalogueInWindow, TypingStopsAtEachFieldsLimit) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        if (def.kind != SettingKind::Text) continue;
        SCOPED_TRACE(def.name);
        QWidget* widget = find(def.name);
        const QString typed(def.maxLength + 3, QLatin1Char('7'));
        if (auto* message = qobject_cast<BeaconMessageEdit*>(widget)) {
            message->clear();
            QTest::keyClicks(message, typed);
            EXPECT_EQ(message->toPlainText().size(), def.maxLength);
        } else {
            auto* line = qobject_cast<QLineEdit*>(widget);
            line->clear();
            QTest::keyClicks(line, typed);
            EXPECT_EQ(line->text(), typed.left(def.maxLength));
        }
    }
}

TEST_F(CatalogueInWindow, SourceListsAreFilledAndChannelsShowTheirPresets) {
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"Teleanalog1_name", "Vin"},  {"Teleanalog1_units", "Volt"}, {"Teleanalog1_coefb", "0.075"},
        {"Teleanalog5_name", "A5"},   {"Teleanalog5_units", "None"}, {"Teledigital8_name", "I4"},
        {"Teledigital8_units", "Hi"}, {"Teledigital1_name", "O1"},   {"Teledigital1_units", "On"}};
    for (const Row& row : rows)
        EXPECT_EQ(find<QLineEdit>(row.name)->text(), QLatin1String(row.text)) << row.name;
    EXPECT_EQ(find<QComboBox>("Teleanalog1_source")->currentText(), QStringLiteral("(I) Input voltage"));
    EXPECT_EQ(find<QComboBox>("Teledigital8_source")->currentText(), QStringLiteral("(M) Input 4"));
    EXPECT_EQ(find<QComboBox>("Teleanalog3_source")->count(), 14);
    EXPECT_EQ(find<QComboBox>("Teledigital3_source")->count(), 9);
}

TEST_F(CatalogueInWindow, ButtonsOfThePagesCarryTheirHelp) {
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(find(QStringLiteral("Button_teleanalog%1_default").arg(n))->toolTip(),
                  QStringLiteral("Default parameters for analog channel."));
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(find(QStringLiteral("Button_teledigital%1_default").arg(n))->toolTip(),
                  QStringLiteral("Default parameters for digital channel."));
    EXPECT_EQ(find<QPushButton>("Button_special_strings")->text(), QStringLiteral("Special strings"));
    EXPECT_TRUE(find("TabSheet_beacons")->isAncestorOf(find("Button_special_strings")));
}

}  // namespace
}  // namespace zeru::app::test
