// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/page_tree.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/pages/pages.h"

namespace zeru::app {
namespace {

QTabWidget* createTabControl(const char* objectName, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QLatin1String(objectName));
    // Every caption stays readable: no eliding and no hidden tabs behind scroll arrows.
    tabs->setElideMode(Qt::ElideNone);
    tabs->setUsesScrollButtons(false);
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

}  // namespace

QTabWidget* createPageTree(QWidget* parent, PageButtons& buttons) {
    QTabWidget* top = createTabControl("PageControl1", parent);
    top->addTab(new RadioPage, QStringLiteral("Radio"));
    top->addTab(new PositionReportsPage, QStringLiteral("Position reports"));

    QTabWidget* digipeater = nullptr;
    top->addTab(createNestedPage("TabSheet_digipeater", "PageControl3", digipeater),
                QStringLiteral("Digipeater"));
    digipeater->addTab(new DigipeaterCommonPage, QStringLiteral("Common settings"));
    digipeater->addTab(new SimpleAliasesPage, QStringLiteral("Simple aliases"));

    auto* beacons = new BeaconsPage;
    buttons.specialStrings = beacons->specialStringsButton();
    top->addTab(beacons, QStringLiteral("Beacons"));

    QTabWidget* telemetry = nullptr;
    top->addTab(createNestedPage("TabSheet_telemetry_reports", "PageControl2", telemetry),
                QStringLiteral("Telemetry reports"));
    telemetry->addTab(new ReportSettingsPage, QStringLiteral("Report settings"));
    auto* analog = new AnalogChannelsPage;
    for (int channel = 1; channel <= 5; ++channel)
        buttons.analogDefaults[static_cast<std::size_t>(channel - 1)] = analog->defaultButton(channel);
    telemetry->addTab(analog, QStringLiteral("Analog channels"));
    for (int first : {1, 5}) {
        auto* digital = new DigitalChannelsPage(first);
        for (int channel = first; channel < first + 4; ++channel)
            buttons.digitalDefaults[static_cast<std::size_t>(channel - 1)] = digital->defaultButton(channel);
        telemetry->addTab(digital, QStringLiteral("Digital channels %1-%2").arg(first).arg(first + 3));
    }
    telemetry->addTab(new OrvaxeOutputsPage, QStringLiteral("Orvaxe outputs"));

    top->addTab(new WeatherReportsPage, QStringLiteral("Weather reports"));

    QTabWidget* external = nullptr;
    top->addTab(createNestedPage("TabSheet_external_interfaces", "PageControl4", external),
                QStringLiteral("External interfaces"));
    external->addTab(new SerialPortsPage, QStringLiteral("Serial ports"));
    external->addTab(new BluetoothPage, QStringLiteral("Bluetooth"));
    external->addTab(new Rs485Page, QStringLiteral("RS-485 port"));
    external->addTab(new WeatherStationPage, QStringLiteral("Weather station"));
    external->addTab(new SerialConsolePage, QStringLiteral("Serial console"));
    external->addTab(new GpsReceiverPage, QStringLiteral("GPS receiver"));
    external->addTab(new KissPage, QStringLiteral("KISS"));

    for (QTabWidget* control : {top, digipeater, telemetry, external}) control->setCurrentIndex(0);
    return top;
}

}  // namespace zeru::app
