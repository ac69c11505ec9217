// SPDX-License-Identifier: GPL-3.0-or-later
// The APRS helpers beside the fields: what they show follows what the user
// types, and what the user chooses in them fills the fields.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/aprs/coordinate_entry.h"
#include "app/aprs/smart_beaconing_chart.h"
#include "app/aprs/symbol_picker.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using AprsHelpers = StartedWindow;

QLabel* labelNamed(QWidget* root, const QString& accessibleName) {
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->accessibleName() == accessibleName) return label;
    throw std::runtime_error("no label " + accessibleName.toStdString());
}

TEST_F(AprsHelpers, HintsFollowTheFields) {
    struct Row {
        std::vector<std::pair<const char*, const char*>> typed;
        const char* label;
        QString shown;
    };
    const Row rows[] = {
        {{{"Ssid", "9"}}, "SSID convention", "-9: mobile"},
        {{{"Ssid", "16"}}, "SSID convention", ""},
        {{{"Latitude", "3906.25N"}, {"Longitude", "00027.50W"}},
         "Position in decimal degrees and locator",
         "39.10417, -0.45833   IM99sc"},
        {{{"Latitude", "5260.00N"}},
         "Position in decimal degrees and locator",
         "not a position the device takes"},
        {{{"Teleanalog2_units", "C"}, {"Teleanalog2_coefb", "0.5"}, {"Teleanalog2_coefc", "-64"}},
         "Analog 2 range",
         QStringLiteral("-64 … 63.5 C")},
    };
    for (const Row& r : rows) {
        for (const auto& [field, text] : r.typed) {
            find<QLineEdit>(field)->clear();
            QTest::keyClicks(find<QLineEdit>(field), QLatin1String(text));
        }
        EXPECT_EQ(labelNamed(form.get(), QLatin1String(r.label))->text(), r.shown) << r.label;
    }
}

TEST_F(AprsHelpers, ChosenSymbolFillsBothFields) {
    find<QPushButton>("Button_symbol_picker")->click();
    auto* picker = form->findChild<SymbolPickerDialog*>();
    ASSERT_TRUE(picker);
    // The stream switches are listed but cannot be chosen.
    picker->findChild<QLineEdit*>()->setText(QStringLiteral("not for use"));
    picker->select(QLatin1Char('/'), QLatin1Char('|'));
    EXPECT_FALSE(picker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    picker->findChild<QLineEdit*>()->clear();
    picker->select(QLatin1Char('\\'), QLatin1Char('_'));
    auto* overlay = picker->findChild<QComboBox*>();
    overlay->setCurrentIndex(overlay->findText(QStringLiteral("W")));
    picker->accept();
    EXPECT_EQ(form->settings().text(SettingId::Position_symbol_table), "W");
    EXPECT_EQ(form->settings().text(SettingId::Position_symbol_code), "_");
    EXPECT_EQ(labelNamed(form.get(), QStringLiteral("Symbol"))->text(),
              QStringLiteral("W_ Weather station with overlay (overlay W)"));
}

TEST_F(AprsHelpers, EnteredOrPastedPositionFillsBothFields) {
    find<QPushButton>("Button_position_entry")->click();
    auto* entry = form->findChild<CoordinateEntryDialog*>();
    ASSERT_TRUE(entry);
    QTest::keyClicks(entry->findChild<QLineEdit*>(), QStringLiteral("52.99999, -16.99999"));
    entry->accept();
    EXPECT_EQ(form->settings().text(SettingId::Latitude), "5300.00N");
    EXPECT_EQ(form->settings().text(SettingId::Longitude), "01700.00W");

    // Pasted into either field, a whole position fills both; anything else
    // goes in as typed.
    QApplication::clipboard()->setText(QStringLiteral("IM99sc"));
    QTest::keyClick(find<QLineEdit>("Longitude"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->settings().text(SettingId::Latitude), "3906.25N");
    EXPECT_EQ(form->settings().text(SettingId::Longitude), "00027.50W");
    QApplication::clipboard()->setText(QStringLiteral("23.08N"));
    find<QLineEdit>("Latitude")->setText(QStringLiteral("52"));
    QTest::keyClick(find<QLineEdit>("Latitude"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->settings().text(SettingId::Latitude), "5223.08N");
    EXPECT_EQ(form->settings().text(SettingId::Longitude), "00027.50W");
}

TEST_F(AprsHelpers, APastedPathFillsItsRow) {
    struct Row {
        const char* field;             // pasted into
        const char* clipboard;         // what was copied
        std::vector<std::string> row;  // the row's calls and SSIDs after
    };
    const Row rows[] = {
        {"Beacon2_path1_string", "RELAY,WIDE2-2", {"RELAY", "", "WIDE2", "2"}},
        {"Beacon2_path2_string", "WIDE1-1, WIDE2-1", {"WIDE1", "1", "WIDE2", "1"}},
        {"Beacon2_path2_string", "wide3-3", {"WIDE1", "1", "WIDE3", "3"}},  // one address: that field
        {"Beacon2_path1_string", "RELAY,", {"RELAY", "", "WIDE3", "3"}},
        {"Beacon2_path2_string", "!", {"RELAY", "", "!WIDE3", "3"}},  // no path: as typed
    };
    const SettingId names[] = {SettingId::Beacon2_path1_string, SettingId::Beacon2_path1_ssid,
                               SettingId::Beacon2_path2_string, SettingId::Beacon2_path2_ssid};
    for (const Row& r : rows) {
        QApplication::clipboard()->setText(QLatin1String(r.clipboard));
        auto* field = find<QLineEdit>(r.field);
        field->setCursorPosition(0);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        std::vector<std::string> row;
        for (const SettingId name : names) row.push_back(form->settings().text(name));
        EXPECT_EQ(row, r.row) << r.clipboard;
    }
    // A path of three fills the position reports' three fields.
    QApplication::clipboard()->setText(QStringLiteral("RELAY,WIDE1-1,WIDE2-1"));
    QTest::keyClick(find<QLineEdit>("Position_path2"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->settings().text(SettingId::Position_path3), "WIDE2");
    EXPECT_EQ(form->settings().text(SettingId::Position_ssid1), "");
}

TEST_F(AprsHelpers, ChartFollowsTheTypedNumbers) {
    find<QPushButton>("Button_smartbeaconing_chart")->click();
    auto* window = form->findChild<SmartBeaconingWindow*>();
    ASSERT_TRUE(window);
    QLabel* atSpeed = labelNamed(window, QStringLiteral("At this speed"));
    EXPECT_TRUE(
        atSpeed->text().startsWith(QStringLiteral("At 50 km/h: one beacon every 2.4 km, every 171 s.")))
        << atSpeed->text().toStdString();
    find<QLineEdit>("Smartbeaconing_fast_period")->setText(QStringLiteral("60"));
    EXPECT_TRUE(
        atSpeed->text().startsWith(QStringLiteral("At 50 km/h: one beacon every 1.6 km, every 114 s.")))
        << atSpeed->text().toStdString();
    find<QLineEdit>("Smartbeaconing_fast_period")->setText(QStringLiteral("6x"));
    EXPECT_EQ(atSpeed->text(), QString());
}

}  // namespace
}  // namespace zeru::app::test
