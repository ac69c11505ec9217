// SPDX-License-Identifier: GPL-3.0-or-later
// Setting one field back: "Reset to default" (Ctrl+Shift+R) and "Back to the
// last read" (Ctrl+Shift+L, while the window holds a configuration read from
// the device or a file) in every field's context menu, and as shortcuts on
// the field that has the focus. Each reset is a user's pick: the form rules
// settle after it.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <optional>

#include "changes/setting_reset.h"
#include "interaction/user_interface.h"

class QAction;
class QMenu;
class QWidget;

namespace zeru::app {

class FieldFeedback;
class WidgetSettings;

class FieldResets : public QObject {
    Q_OBJECT
public:
    static inline const QKeySequence kResetKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_R};
    static inline const QKeySequence kLastReadKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_L};

    // Wires every field of `settings`; the shortcuts act within `window`.
    FieldResets(WidgetSettings& settings, FieldFeedback& fields, UserInterface& ui, QWidget& window);

    // The field's context menu: its own entries (a text field's editing), then the two resets.
    QMenu* createMenu(SettingId setting, QWidget* parent);

    void resetToDefault(SettingId setting);
    void backToLastRead(SettingId setting);
    // Whether the window holds a configuration read (or saved) to go back to.
    bool lastReadHeld() const;

private:
    void apply(const changes::Assignment& assignment);
    // The setting whose field has the keyboard focus.
    std::optional<SettingId> focusedSetting() const;

    WidgetSettings& settings_;
    FieldFeedback& fields_;
    UserInterface& ui_;
};

}  // namespace zeru::app
