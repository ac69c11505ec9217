// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/field_resets.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/feedback/field_feedback.h"
#include "app/fields/widget_settings.h"

namespace zeru::app {
namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

FieldResets::FieldResets(WidgetSettings& settings, FieldFeedback& fields, UserInterface& ui, QWidget& window)
    : QObject(&window), settings_(settings), fields_(fields), ui_(ui) {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingId setting = settingAt(i);
        QWidget* field = settings_.widget(setting);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, setting, field](const QPoint& at) {
            QMenu* menu = createMenu(setting, field);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(field->mapToGlobal(at));
        });
    }
    auto* reset = new QAction(&window);
    reset->setShortcut(kResetKeys);
    connect(reset, &QAction::triggered, this, [this] {
        if (auto setting = focusedSetting()) resetToDefault(*setting);
    });
    auto* lastRead = new QAction(&window);
    lastRead->setShortcut(kLastReadKeys);
    connect(lastRead, &QAction::triggered, this, [this] {
        if (auto setting = focusedSetting(); setting && lastReadHeld()) backToLastRead(*setting);
    });
    window.addActions({reset, lastRead});
}

QMenu* FieldResets::createMenu(SettingId setting, QWidget* parent) {
    QWidget* field = settings_.widget(setting);
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        menu = line->createStandardContextMenu();
    else if (auto* message = qobject_cast<QPlainTextEdit*>(field))
        menu = message->createStandardContextMenu();
    else
        menu = new QMenu(parent);
    menu->setParent(parent, menu->windowFlags());
    if (!menu->isEmpty()) menu->addSeparator();

    QAction* reset =
        menu->addAction(text(changes::kResetToDefault), this, [this, setting] { resetToDefault(setting); });
    reset->setShortcut(kResetKeys);
    reset->setEnabled(!changes::holds(settings_, changes::defaultAssignment(setting)));
    QAction* lastRead =
        menu->addAction(text(changes::kBackToLastRead), this, [this, setting] { backToLastRead(setting); });
    lastRead->setShortcut(kLastReadKeys);
    lastRead->setEnabled(lastReadHeld() &&
                         !changes::holds(settings_, changes::assignmentFrom(setting, fields_.baseline())));
    return menu;
}

void FieldResets::resetToDefault(SettingId setting) { apply(changes::defaultAssignment(setting)); }

void FieldResets::backToLastRead(SettingId setting) {
    apply(changes::assignmentFrom(setting, fields_.baseline()));
}

bool FieldResets::lastReadHeld() const { return fields_.baselineRead(); }

void FieldResets::apply(const changes::Assignment& assignment) {
    if (changes::holds(settings_, assignment)) return;
    changes::assign(settings_, assignment, ui_);
}

std::optional<SettingId> FieldResets::focusedSetting() const {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        for (std::size_t i = 0; i < kSettingCount; ++i)
            if (settings_.widget(settingAt(i)) == w) return settingAt(i);
    return std::nullopt;
}

}  // namespace zeru::app
