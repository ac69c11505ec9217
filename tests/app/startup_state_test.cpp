// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user first sees it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>

#include "app/widgets/page_scroller.h"
#include "settings/settings_model.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using WindowAtStartup = StartedWindow;

TEST_F(WindowAtStartup, CaptionFirstPageEmptyLogAndIdleProgress) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kestrovane Zeru Configurator v1.02"));
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    auto* pages = find<QTabWidget>("PageControl1");
    EXPECT_EQ(pageAt(*pages, pages->currentIndex())->objectName(), QStringLiteral("TabSheet_radio"));
    for (const char* nested : {"PageControl2", "PageControl3", "PageControl4"})
        EXPECT_EQ(find<QTabWidget>(nested)->currentIndex(), 0) << nested;
    auto* log = find<QPlainTextEdit>("Memo1");
    EXPECT_TRUE(log->toPlainText().isEmpty());
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* bar = find<QProgressBar>("ProgressBar1");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(ui.events.empty()) << "the defaults are consistent: start-up shows no box";
}

TEST_F(WindowAtStartup, PagesStandInTabOrder) {
    auto names = [&](const char* control) {
        QStringList list;
        auto* tabs = find<QTabWidget>(control);
        for (int i = 0; i < tabs->count(); ++i)
            list << pageAt(*tabs, i)->objectName() + '=' + tabs->tabText(i);
        return list;
    };
    EXPECT_EQ(names("PageControl1"),
              QStringList({"TabSheet_radio=Radio", "TabSheet_position_reports=Position reports",
                           "TabSheet_digipeater=Digipeater", "TabSheet_beacons=Beacons",
                           "TabSheet_telemetry_reports=Telemetry reports",
                           "TabSheet_weather_reports=Weather reports",
                           "TabSheet_external_interfaces=External interfaces"}));
    EXPECT_EQ(names("PageControl3"), QStringList({"TabSheet_common_settings=Common settings",
                                                  "TabSheet_simple_aliases=Simple aliases"}));
    EXPECT_EQ(names("PageControl2"), QStringList({"TabSheet_report_settings=Report settings",
                                                  "TabSheet_analog_channels=Analog channels",
                                                  "TabSheet_digital_channels14=Digital channels 1-4",
                                                  "TabSheet_digital_channels58=Digital channels 5-8",
                                                  "TabSheet_orvaxe_outputs=Orvaxe outputs"}));
    EXPECT_EQ(names("PageControl4"),
              QStringList({"TabSheet_serial_ports=Serial ports", "TabSheet_bluetooth=Bluetooth",
                           "TabSheet_rs485_port=RS-485 port", "TabSheet_weather_station=Weather station",
                           "TabSheet_serial_console=Serial console", "TabSheet_gps_receiver=GPS receiver",
                           "TabSheet_kiss=KISS"}));
}

TEST_F(WindowAtStartup, CommandRowButtonsWithCaptionsAndTooltips) {
    struct Row {
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* group;
    };
    const Row rows[] = {
        {"Button_read_config", "Read config", "Reads current configuration from device.", "GroupBox3"},
        {"Button_write_config", "Write config", "Writes current configuration to device.", "GroupBox3"},
        {"Button_upload_firmware", "Upload firmware", "Uploads firmware to device.", "GroupBox3"},
        {"Button_save_to_file", "Save to file",
         "Saves current configuration from Configurator application to file.", "GroupBox1"},
        {"Button_read_from_file", "Read from file",
         "Reads current configuration from file to Configurator application.", "GroupBox1"},
        {"Button_backups", "Backups",
         "Reads a backup taken before a write or an upload to Configurator application.", "GroupBox1"},
    };
    for (const Row& row : rows) {
        auto* button = find<QPushButton>(row.name);
        EXPECT_EQ(button->text().remove(QLatin1Char('&')), QLatin1String(row.caption));
        EXPECT_EQ(button->toolTip(), QLatin1String(row.tooltip));
        EXPECT_TRUE(find(row.group)->isAncestorOf(button)) << row.name;
    }
    EXPECT_EQ(find<QGroupBox>("GroupBox3")->title(), QStringLiteral("Connection:"));
    EXPECT_EQ(find<QGroupBox>("GroupBox1")->title(), QStringLiteral("Configuration import/export:"));
    auto* logo = find<QLabel>("Image1");
    EXPECT_EQ(logo->size(), QSize(169, 49));
    EXPECT_FALSE(logo->pixmap().isNull());
}

TEST_F(WindowAtStartup, EverythingIsEnabledButTheTimeFormat) {
    const QSet<QString> disabled = {QStringLiteral("Position_time"), QStringLiteral("Label_position_time")};
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            w->objectName().startsWith(QLatin1String("Scroll")))
            continue;  // Qt's own parts (a tab bar's scroll arrows)
        EXPECT_EQ(w->isEnabled(), !disabled.contains(w->objectName())) << w->objectName().toStdString();
    }
    EXPECT_TRUE(form->settings().isEnabled(SettingId::Mice_message));
    EXPECT_TRUE(form->settings().isEnabled("Label_mice_message1"));
}

TEST_F(WindowAtStartup, StartupValuesAreTheCatalogueDefaults) {
    SettingsModel shown;
    copySettings(form->settings(), shown);
    EXPECT_TRUE(shown == SettingsModel());
}

TEST_F(WindowAtStartup, FrameResizesAndMaximises) {
    form->fitToScreen(QSize(4000, 3000));
    EXPECT_GE(form->width(), 734);
    EXPECT_GE(form->height(), 416);
    EXPECT_LT(form->minimumSizeHint().width(), form->width());
    EXPECT_LT(form->minimumSizeHint().height(), form->height());
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(WindowAtStartup, ProgressBarRunsAlongTheWholeBottomEdge) {
    form->layout()->activate();
    const QRect bar = find<QProgressBar>("ProgressBar1")->geometry();
    EXPECT_EQ(bar.left(), 0);
    EXPECT_EQ(bar.width(), form->width());
    EXPECT_EQ(bar.bottom(), form->height() - 1);
}

TEST_F(WindowAtStartup, NoFieldIsNarrowerThanItNeeds) {
    // Every widget of every page gets at least the room its content asks for.
    form->show();
    auto* top = find<QTabWidget>("PageControl1");
    for (int i = 0; i < top->count(); ++i) {
        top->setCurrentIndex(i);
        QList<QTabWidget*> nested = pageAt(*top, i)->findChildren<QTabWidget*>();
        const int pages = nested.isEmpty() ? 1 : nested.front()->count();
        for (int j = 0; j < pages; ++j) {
            if (!nested.isEmpty()) nested.front()->setCurrentIndex(j);
            QWidget* page = nested.isEmpty() ? pageAt(*top, i) : pageAt(*nested.front(), j);
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisible() || qobject_cast<QLineEdit*>(w)) continue;  // line edits have fixed widths
                const QSize need = w->minimumSizeHint();
                EXPECT_GE(w->width(), need.width())
                    << page->objectName().toStdString() << " " << w->metaObject()->className() << " "
                    << w->objectName().toStdString();
                EXPECT_GE(w->height(), need.height())
                    << page->objectName().toStdString() << " " << w->objectName().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace zeru::app::test
