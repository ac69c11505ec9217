// SPDX-License-Identifier: GPL-3.0-or-later
// Input that reaches the window while a command runs is dropped: a click on a
// greyed-out button during a transfer never starts a second command afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <map>

#include "window_fixture.h"

namespace zeru::app::test {
namespace {

enum class Input { Click, SpaceKey };

void postInput(QPushButton* target, Input input) {
    if (input == Input::SpaceKey) {
        target->setFocus();
        QCoreApplication::postEvent(target,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        QCoreApplication::postEvent(target,
                                    new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
        return;
    }
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            target, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                    Qt::NoModifier));
}

struct Case {
    CommandButton running;
    CommandButton clicked;
    Input input;
};

class InputDuringCommand : public StartedWindow, public ::testing::WithParamInterface<Case> {};

TEST_P(InputDuringCommand, IsDroppedNotReplayed) {
    const Case c = GetParam();
    form->show();
    std::map<CommandButton, int> runs;
    for (CommandButton b :
         {CommandButton::ReadConfig, CommandButton::WriteConfig, CommandButton::UploadFirmware,
          CommandButton::SaveToFile, CommandButton::ReadFromFile})
        form->setCommand(b, [&, b] {
            ++runs[b];
            // The user clicks while the command runs (its buttons greyed out).
            if (b == c.running) {
                for (QPushButton* button : form->findChildren<QPushButton*>()) button->setEnabled(false);
                postInput(form->commandButton(c.clicked), c.input);
                for (QPushButton* button : form->findChildren<QPushButton*>()) button->setEnabled(true);
            }
        });

    form->commandButton(c.running)->click();
    QCoreApplication::processEvents();

    EXPECT_EQ(runs[c.running], 1);
    EXPECT_EQ(runs[c.clicked], c.clicked == c.running ? 1 : 0);
    // Input after the command is the user's again.
    postInput(form->commandButton(c.clicked), c.input);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs[c.clicked], c.clicked == c.running ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, InputDuringCommand,
    ::testing::Values(Case{CommandButton::UploadFirmware, CommandButton::UploadFirmware, Input::Click},
                      Case{CommandButton::ReadConfig, CommandButton::WriteConfig, Input::Click},
                      Case{CommandButton::ReadConfig, CommandButton::WriteConfig, Input::SpaceKey},
                      Case{CommandButton::WriteConfig, CommandButton::UploadFirmware, Input::Click}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace zeru::app::test
