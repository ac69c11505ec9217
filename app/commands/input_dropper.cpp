// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/input_dropper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace zeru::app {
namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputDropper::InputDropper(QWidget& window) : window_(&window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputDropper::~InputDropper() {
    // Input that came in during the command is still queued: deliver it now,
    // while the filter still drops it.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputDropper::aimsAtWindow(QObject* watched) const {
    if (!window_) return false;
    if (watched->isWidgetType()) return static_cast<QWidget*>(watched)->window() == window_;
    if (auto* handle = qobject_cast<QWindow*>(watched)) return handle == window_->windowHandle();
    return false;
}

bool InputDropper::eventFilter(QObject* watched, QEvent* event) {
    return isUserInput(event->type()) && aimsAtWindow(watched);
}

}  // namespace zeru::app
