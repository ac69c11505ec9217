// SPDX-License-Identifier: GPL-3.0-or-later
// How often the tracker reports under SmartBeaconing: the interval and the
// turn threshold against speed, drawn with QPainter in the widget's palette
// and font, and a window that shows the chart with the distance between
// reports and a small table, following the seven fields as the user types.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <optional>

#include "aprs/smart_beaconing.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QGridLayout;

namespace zeru::app {

class SmartBeaconingChart : public QWidget {
    Q_OBJECT
public:
    explicit SmartBeaconingChart(QWidget* parent = nullptr);

    // nullopt draws a note instead of curves.
    void setParameters(const std::optional<aprs::SmartBeaconing>& parameters);
    // The speed marked on the chart, km/h.
    void setMarkedSpeed(int speed);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<aprs::SmartBeaconing> parameters_;
    int markedSpeed_ = 50;
};

// The seven fields, in the order of aprs::kSmartBeaconingSettings.
using SmartBeaconingFields = std::array<QLineEdit*, 7>;

class SmartBeaconingWindow : public QDialog {
    Q_OBJECT
public:
    SmartBeaconingWindow(const SmartBeaconingFields& fields, QWidget* parent);

    // Reads the fields again; runs on every change of their text.
    void refresh();

private:
    void showSpeed();

    SmartBeaconingFields fields_;
    std::optional<aprs::SmartBeaconing> parameters_;
    SmartBeaconingChart* chart_;
    QSpinBox* speed_;
    QLabel* distance_;
    QGridLayout* table_;
};

// The button that opens the window, for the page's SmartBeaconing group.
QWidget* createSmartBeaconingChartButton(const SmartBeaconingFields& fields, QWidget* parent);

}  // namespace zeru::app
