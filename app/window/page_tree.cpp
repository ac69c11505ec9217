// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/page_tree.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/pages/pages.h"
#include "app/widgets/page_scroller.h"

namespace zeru::app {
namespace {

QTabWidget* createTabControl(const char* objectName, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QLatin1String(objectName));
    // Every caption stays readable: no eliding. Scroll arrows show only where
    // the window is made narrower than its natural size.
    tabs->setElideMode(Qt::ElideNone);
    tabs->setUsesScrollButtons(true);
    return tabs;
}

// A top-level page that holds a second-level tab control; those tabs are drawn
// flat (document mode) so the two levels are told apart at a glance.
QWidget* createNestedPage(const char* pageName, const char* controlName, QTabWidget*& control) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(pageName));
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(2, 2, 2, 2);
    control = createTabControl(controlName, page);
    control->setDocumentMode(true);
    box->addWidget(control);
    return page;
}

// A settings page in its tab, scrolling inside it where the window is small.
void addPage(QTabWidget* tabs, QWidget* page, const QString& caption) {
    tabs->addTab(new PageScroller(page), caption);
}

}  // namespace

QTabWidget* createPageTree(QWidget* parent, PageButtons& buttons) {
    QTabWidget* top = createTabControl("PageControl1", parent);
    addPage(top, new RadioPage, QStringLiteral("Radio"));
    addPage(top, new PositionReportsPage, QStringLiteral("Position reports"));

    QTabWidget* digipeater = nullptr;
    top->addTab(createNestedPage("TabSheet_digipeater", "PageControl3", digipeater),
                QStringLiteral("Digipeater"));
    addPage(digipeater, new DigipeaterCommonPage, QStringLiteral("Common settings"));
    addPage(digipeater, new SimpleAliasesPage, QStringLiteral("Simple aliases"));

    auto* beacons = new BeaconsPage;
    buttons.specialStrings = beacons->specialStringsButton();
    addPage(top, beacons, QStringLiteral("Beacons"));

    QTabWidget* telemetry = nullptr;
    top->addTab(createNestedPage("TabSheet_telemetry_reports", "PageControl2", telemetry),
                QStringLiteral("Telemetry reports"));
    addPage(telemetry, new ReportSettingsPage, QStringLiteral("Report settings"));
    auto* analog = new AnalogChannelsPage;
    for (int channel = 1; channel <= 5; ++channel)
        buttons.analogDefaults[static_cast<std::size_t>(channel - 1)] = analog->defaultButton(channel);
    addPage(telemetry, analog, QStringLiteral("Analog channels"));
    for (int first : {1, 5}) {
        auto* digital = new DigitalChannelsPage(first);
        for (int channel = first; channel < first + 4; ++channel)
            buttons.digitalDefaults[static_cast<std::size_t>(channel - 1)] = digital->defaultButton(channel);
        addPage(telemetry, digital, QStringLiteral("Digital channels %1-%2").arg(first).arg(first + 3));
    }
    addPage(telemetry, new OrvaxeOutputsPage, QStringLiteral("Orvaxe outputs"));

    addPage(top, new WeatherReportsPage, QStringLiteral("Weather reports"));

    QTabWidget* external = nullptr;
    top->addTab(createNestedPage("TabSheet_external_interfaces", "PageControl4", external),
                QStringLiteral("External interfaces"));
    addPage(external, new SerialPortsPage, QStringLiteral("Serial ports"));
    addPage(external, new BluetoothPage, QStringLiteral("Bluetooth"));
    addPage(external, new Rs485Page, QStringLiteral("RS-485 port"));
    addPage(external, new WeatherStationPage, QStringLiteral("Weather station"));
    addPage(external, new SerialConsolePage, QStringLiteral("Serial console"));
    addPage(external, new GpsReceiverPage, QStringLiteral("GPS receiver"));
    addPage(external, new KissPage, QStringLiteral("KISS"));

    for (QTabWidget* control : {top, digipeater, telemetry, external}) control->setCurrentIndex(0);
    return top;
}

}  // namespace zeru::app
