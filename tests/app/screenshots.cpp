// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: draws the main window on every page, a port-rule message box and
// the special strings window into PNG files, to look at them (and for the
// README picture), each page also after an edit on it. Usage:
// app_screenshots <folder> [dark] [point size] [available WxH] (offscreen
// platform; QT_SCALE_FACTOR scales the pictures; without WxH the window has
// its natural size). scripts/screenshots.sh runs it at the sizes, scales and
// palettes to look at.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>

#include "app/aprs/beacon_strings_window.h"
#include "app/aprs/coordinate_entry.h"
#include "app/aprs/smart_beaconing_chart.h"
#include "app/aprs/symbol_picker.h"
#include "app/commands/device_status.h"
#include "app/feedback/window_feedback.h"
#include "app/search/search_box.h"
#include "app/widgets/page_scroller.h"
#include "app/window/main_window.h"
#include "app/window/qt_user_interface.h"
#include "app/window/startup.h"
#include "compare/held_settings.h"
#include "rules/rules.h"
#include "settings/settings_model.h"
#include "sim/simulator_transport.h"
#include "support/recording_ui.h"

using namespace zeru::app;
using zeru::SettingId;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // After the folder, in any order: "dark" (a dark palette, to see that
    // marks read in it), a point size, an available size WxH.
    QStringList options;
    for (int i = 2; i < argc; ++i) options << QString::fromLocal8Bit(argv[i]);
    QSize available;
    for (const QString& option : options) {
        bool isNumber = false;
        const double points = option.toDouble(&isNumber);
        if (isNumber) {
            QFont font = QApplication::font();
            font.setPointSizeF(points);
            QApplication::setFont(font);
        } else if (const QStringList size = option.split(QLatin1Char('x')); size.size() == 2) {
            available = QSize(size[0].toInt(), size[1].toInt());
        }
    }
    if (options.contains(QStringLiteral("dark"))) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 64));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(80, 140, 220));
        QApplication::setPalette(dark);
    }
    zeru::test::RecordingUi ui;
    auto form = buildMainWindow(ui);
    form->show();
    form->fitToScreen(available.isValid() ? available : QSize(4000, 3000));
    std::printf("window %dx%d, font %s %g\n", form->width(), form->height(),
                qPrintable(form->font().family()), form->font().pointSizeF());

    auto* top = form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    int shot = 0;
    auto save = [&](const QString& name) {
        QApplication::processEvents();
        if (auto* page = form->findChild<QWidget*>(name))
            std::printf("%-32s minimum %dx%d\n", qPrintable(name), page->minimumSizeHint().width(),
                        page->minimumSizeHint().height());
        form->grab().save(
            out.filePath(QStringLiteral("%1_%2.png").arg(shot++, 2, 10, QLatin1Char('0')).arg(name)));
    };
    for (int i = 0; i < top->count(); ++i) {
        top->setCurrentIndex(i);
        auto* nested = pageAt(*top, i)->findChild<QTabWidget*>();
        if (!nested) {
            save(pageAt(*top, i)->objectName());
            continue;
        }
        for (int j = 0; j < nested->count(); ++j) {
            nested->setCurrentIndex(j);
            save(pageAt(*nested, j)->objectName());
        }
        nested->setCurrentIndex(0);
    }
    top->setCurrentIndex(0);
    save(QStringLiteral("main_window"));

    // The search box with its hits, then the field it went to, marked.
    if (auto* search = form->findChild<zeru::app::SearchBox*>()) {
        search->open();
        search->line().setText(QStringLiteral("beacon 2 path"));
        save(QStringLiteral("search_open"));
        search->goToHit(0);
        save(QStringLiteral("search_found"));
        top->setCurrentIndex(0);
    }

    // Every page again after an edit on it: its first field at its longest,
    // in the widest letter, so that marks and hints show (nothing may move).
    const QSize before = form->size();
    auto edited = [&](QWidget* page) {
        for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
            if (!field->isEnabled() || field->isReadOnly()) continue;
            field->setText(QString(std::min(field->maxLength(), 12), QLatin1Char('W')));
            break;
        }
        form->feedback().fields().refresh();
        save(QStringLiteral("edited_") + page->objectName());
    };
    for (int i = 0; i < top->count(); ++i) {
        top->setCurrentIndex(i);
        auto* nested = pageAt(*top, i)->findChild<QTabWidget*>();
        for (int j = 0; j < (nested ? nested->count() : 1); ++j) {
            if (nested) nested->setCurrentIndex(j);
            edited(nested ? pageAt(*nested, j) : pageAt(*top, i));
        }
        if (nested) nested->setCurrentIndex(0);
    }
    top->setCurrentIndex(0);
    if (form->size() != before) std::printf("the edits changed the window's size\n");
    zeru::SettingsModel startup;
    zeru::rules::applyStartupSequence(startup, ui);
    zeru::copySettings(startup, form->settings());
    form->feedback().fields().refresh();

    auto box = createMessageBox(
        QMessageBox::Information, QStringLiteral("Information"),
        QStringLiteral("RS-232 port 2 changed to None.\nReason:\nSerial console can be selected "
                       "on one port only."),
        form.get());
    box->show();
    QApplication::processEvents();
    box->grab().save(out.filePath(QStringLiteral("port_rule_box.png")));

    // Marks: a few changes since the start-up settings.
    form->settings().setText(SettingId::Callsign, "MW0WMW");
    form->settings().setIndex(SettingId::Ptt, 1);
    form->settings().setText(SettingId::Teletitle, "Hill top");
    form->settings().setText(SettingId::Txdelay, "5a");
    form->settings().setText(SettingId::Latitude, "5223.08X");
    form->feedback().fields().refresh();
    save(QStringLiteral("marks"));
    ChangesWindow& changes = form->feedback().showChanges();
    QApplication::processEvents();
    changes.grab().save(out.filePath(QStringLiteral("changes_window.png")));
    changes.hide();
    ProblemsWindow& problems = form->feedback().showProblems();
    QApplication::processEvents();
    problems.grab().save(out.filePath(QStringLiteral("problems_window.png")));
    problems.hide();

    // The same changes against a device holding the start-up settings, with the
    // two refused values mended so that the window counts as written.
    form->settings().setText(SettingId::Txdelay, "300");
    form->settings().setText(SettingId::Latitude, "5223.08N");
    changes.setSources({{}, [](zeru::Settings& device) {
                            zeru::SettingsModel startup;
                            zeru::test::RecordingUi quiet;
                            zeru::rules::applyStartupSequence(startup, quiet);
                            if (zeru::compare::asTheDeviceHoldsIt(startup, device)) return zeru::Outcome();
                            return zeru::Outcome(zeru::Failure::of(zeru::FailureKind::DeviceFailed));
                        }});
    changes.show();
    changes.compareWith(ChangesWindow::Reference::Device);
    QApplication::processEvents();
    changes.grab().save(out.filePath(QStringLiteral("changes_window_device.png")));
    changes.hide();

    BeaconStringsWindow card(form.get());
    card.show();
    QApplication::processEvents();
    std::printf("special strings %dx%d\n", card.width(), card.height());
    card.grab().save(out.filePath(QStringLiteral("special_strings.png")));

    // The APRS helpers' windows.
    form->findChild<QPushButton*>(QStringLiteral("Button_smartbeaconing_chart"))->click();
    auto* chart = form->findChild<SmartBeaconingWindow*>();
    QApplication::processEvents();
    std::printf("smartbeaconing chart %dx%d\n", chart->width(), chart->height());
    chart->grab().save(out.filePath(QStringLiteral("smartbeaconing_chart.png")));
    chart->close();
    auto* picker = form->findChild<QPushButton*>(QStringLiteral("Button_symbol_picker"));
    picker->click();
    auto* dialog = form->findChild<SymbolPickerDialog*>();
    dialog->findChild<QLineEdit*>()->setText(QStringLiteral("car"));
    QApplication::processEvents();
    dialog->grab().save(out.filePath(QStringLiteral("symbol_picker.png")));
    dialog->reject();
    form->findChild<QPushButton*>(QStringLiteral("Button_position_entry"))->click();
    auto* entry = form->findChild<CoordinateEntryDialog*>();
    entry->findChild<QLineEdit*>()->setText(QStringLiteral("IM99sc"));
    QApplication::processEvents();
    entry->grab().save(out.filePath(QStringLiteral("position_entry.png")));
    entry->reject();

    // The connection state in the command row: none, one, then two devices.
    zeru::sim::DeviceState first, second;
    second.serialNumber = "ZS0002";
    zeru::sim::SimulatorTransport transport({{"/dev/hidraw3", &first}, {"/dev/hidraw4", &second}});
    zeru::ConnectedDevices connected(transport);
    zeru::DeviceSelector selector;
    DeviceStatus* status = form->deviceStatus();
    for (int present = 0; present <= 2; ++present) {
        first.present = present >= 1;
        second.present = present >= 2;
        if (present == 0)
            status->attach(connected, selector, [] { return false; });
        else
            status->poll();
        QApplication::processEvents();
        auto* row = status->parentWidget();
        row->grab().save(out.filePath(QStringLiteral("device_status_%1.png").arg(present)));
    }
    status->detach();
    return 0;
}
