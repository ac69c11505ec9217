// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader names every field, the keyboard reaches every command, and
// the texts meant to be copied can be.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <set>

#include "app/aprs/beacon_strings_window.h"
#include "app/fields/field_factory.h"
#include "settings/catalogue.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using Accessibility = StartedWindow;

QString announcedName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST_F(Accessibility, EverySettingIsAnnouncedByAUniqueName) {
    std::set<QString> names;
    for (const SettingDef& def : settingsCatalogue().defs()) {
        QWidget* field = find(def.name);
        const QString name = announcedName(field);
        EXPECT_FALSE(name.isEmpty()) << def.name;
        EXPECT_TRUE(names.insert(name).second) << def.name << " shares its name " << name.toStdString();
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            EXPECT_NE(name, box->currentText()) << def.name << " announces its value, not its name";
        }
    }
    EXPECT_EQ(names.size(), 226u);
}

TEST_F(Accessibility, EveryLabelBesideAFieldIsItsBuddy) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        if (def.label.empty()) continue;
        QWidget* field = find(def.name);
        bool named = false;
        for (QLabel* label : find(def.page)->findChildren<QLabel*>())
            named |= label->text() == latin1(def.label) && label->buddy() == field;
        EXPECT_TRUE(named) << def.name << " is not the buddy of " << def.label;
    }
}

TEST_F(Accessibility, AltAndTheUnderlinedLetterRunsEachCommand) {
    std::vector<CommandButton> ran;
    for (auto button : {CommandButton::ReadConfig, CommandButton::WriteConfig, CommandButton::UploadFirmware,
                        CommandButton::SaveToFile, CommandButton::ReadFromFile})
        form->setCommand(button, [&ran, button] { ran.push_back(button); });
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::pair<Qt::Key, CommandButton> keys[] = {
        {Qt::Key_R, CommandButton::ReadConfig},     {Qt::Key_W, CommandButton::WriteConfig},
        {Qt::Key_U, CommandButton::UploadFirmware}, {Qt::Key_S, CommandButton::SaveToFile},
        {Qt::Key_F, CommandButton::ReadFromFile},
    };
    for (const auto& [key, button] : keys) {
        ran.clear();
        QTest::keyClick(form.get(), key, Qt::AltModifier);
        // A mnemonic clicks its button after a short animation.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ran.empty(); }, 1000));
        EXPECT_EQ(ran, std::vector<CommandButton>{button}) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(Accessibility, TheTabKeyNeverStopsInTheLog) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    find("Callsign")->setFocus();
    std::set<QWidget*> visited;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    EXPECT_TRUE(visited.count(find("Callsign"))) << "the chain comes round again";
    EXPECT_FALSE(visited.count(find("Memo1")));
}

TEST_F(Accessibility, TheSpecialStringsCanBeCopied) {
    BeaconStringsWindow card(form.get());
    card.show();
    for (QLabel* line : card.findChildren<QLabel*>()) {
        line->setSelection(0, static_cast<int>(line->text().size()));
        line->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), line->text());
    }
}

}  // namespace
}  // namespace zeru::app::test
