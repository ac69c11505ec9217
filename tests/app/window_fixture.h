// SPDX-License-Identifier: GPL-3.0-or-later
// A main window after the start-up sequence, with a recorder for every effect.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <stdexcept>

#include "app/window/main_window.h"
#include "app/window/startup.h"
#include "support/recording_ui.h"

namespace zeru::app::test {

class StartedWindow : public ::testing::Test {
protected:
    zeru::test::RecordingUi ui;
    std::unique_ptr<MainWindow> form = buildMainWindow(ui);

    template <typename T = QWidget>
    T* find(QLatin1String name) const {
        return find<T>(QString(name));
    }
    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        if (!widget) throw std::runtime_error("no widget " + name.toStdString());
        return widget;
    }
    template <typename T = QWidget>
    T* find(std::string_view name) const {
        return find<T>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        return find<T>(QLatin1String(name));
    }
};

}  // namespace zeru::app::test
