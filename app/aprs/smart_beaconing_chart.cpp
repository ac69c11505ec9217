// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/smart_beaconing_chart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/fields/field_factory.h"
#include "app/widgets/place_beside.h"
#include "app/widgets/text_size.h"
#include "aprs/decimal_text.h"

namespace zeru::app {
namespace {

constexpr double kMostTurn = 180;  // no heading change is larger

// A round step that divides `range` into about `ticks` parts (1, 2 or 5 × 10^n).
double niceStep(double range, int ticks) {
    const double raw = std::max(range, 1e-9) / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    return (normal < 1.5 ? 1 : normal < 3 ? 2 : normal < 7 ? 5 : 10) * magnitude;
}

QString number(double value) { return latin1(aprs::formatDecimal(value, 0)); }

QPen intervalPen(const QPalette& palette) {
    return QPen(palette.color(QPalette::Highlight), 2.5, Qt::SolidLine, Qt::FlatCap);
}
QPen turnPen(const QPalette& palette) { return QPen(palette.color(QPalette::Text), 1.5, Qt::DashLine); }

}  // namespace

SmartBeaconingChart::SmartBeaconingChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("SmartBeaconing chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SmartBeaconingChart::setParameters(const std::optional<aprs::SmartBeaconing>& parameters) {
    parameters_ = parameters;
    update();
}

void SmartBeaconingChart::setMarkedSpeed(int speed) {
    markedSpeed_ = speed;
    update();
}

QSize SmartBeaconingChart::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 60, fm.height() * 18};
}

QSize SmartBeaconingChart::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 36, fm.height() * 11};
}

void SmartBeaconingChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Text));
    if (!parameters_) {
        p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("The chart needs whole numbers in all seven SmartBeaconing fields."));
        return;
    }
    const aprs::SmartBeaconing& sb = *parameters_;
    const QFontMetrics fm(font());
    const int line = fm.height();

    // Axes: speed across, interval on the left, turn threshold on the right.
    const double maxSpeed = aprs::chartTopSpeed(sb);
    double maxInterval = std::max(sb.slowPeriod, sb.fastPeriod);
    for (double v = 0; v <= maxSpeed; v += maxSpeed / 200)
        maxInterval = std::max(maxInterval, aprs::beaconInterval(sb, v));
    const double intervalStep = niceStep(maxInterval, 5);
    maxInterval = std::max(intervalStep, std::ceil(maxInterval / intervalStep) * intervalStep);
    const int left = fm.horizontalAdvance(number(maxInterval)) + 10;
    const int right = fm.horizontalAdvance(QStringLiteral("180°")) + 10;
    // The legend takes one line, or two where the chart is narrow.
    const QString intervalText = QStringLiteral("Interval [s], left");
    const QString turnText = QStringLiteral("Turn threshold [°], right");
    const int legendWidth = 2 * 54 + fm.horizontalAdvance(intervalText) + fm.horizontalAdvance(turnText);
    const int legendLines = legendWidth > width() - left ? 2 : 1;
    const QRect plot(left, line * (legendLines + 1), width() - left - right,
                     height() - line * (legendLines + 3) - 4);
    if (plot.width() < 20 || plot.height() < 20) return;
    // As many speed ticks as their labels leave room for.
    const int labelRoom = fm.horizontalAdvance(number(maxSpeed)) * 2 + 8;
    const double speedStep = niceStep(maxSpeed, std::clamp(plot.width() / labelRoom, 2, 8));
    const auto x = [&](double speed) { return plot.left() + speed / maxSpeed * plot.width(); };
    const auto yInterval = [&](double s) { return plot.bottom() - s / maxInterval * plot.height(); };
    const auto yTurn = [&](double deg) {
        return plot.bottom() - std::min(deg, kMostTurn) / kMostTurn * plot.height();
    };

    // Grid and tick labels.
    QColor grid = pal.color(QPalette::Text);
    grid.setAlphaF(0.18f);
    for (double s = 0; s <= maxInterval + 1e-9; s += intervalStep) {
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), yInterval(s)), QPointF(plot.right(), yInterval(s)));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRectF(0, yInterval(s) - line / 2.0, left - 5, line), Qt::AlignRight | Qt::AlignVCenter,
                   number(s));
    }
    for (double deg = 0; deg <= kMostTurn; deg += 45)
        p.drawText(QRectF(plot.right() + 5, yTurn(deg) - line / 2.0, right - 5, line),
                   Qt::AlignLeft | Qt::AlignVCenter, number(deg) + QStringLiteral("°"));
    for (double v = 0; v <= maxSpeed + 1e-9; v += speedStep) {
        p.setPen(grid);
        p.drawLine(QPointF(x(v), plot.top()), QPointF(x(v), plot.bottom()));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRectF(x(v) - 30, plot.bottom() + 2, 60, line), Qt::AlignHCenter | Qt::AlignTop,
                   number(v));
    }
    p.drawText(QRect(plot.left(), plot.bottom() + line + 2, plot.width(), line), Qt::AlignHCenter,
               QStringLiteral("Speed [km/h]"));
    p.drawRect(plot);

    // The curves, one point per pixel of speed.
    QPainterPath interval;
    QPainterPath turn;
    for (int px = 0; px <= plot.width(); ++px) {
        const double v = maxSpeed * px / plot.width();
        const QPointF a(plot.left() + px, yInterval(aprs::beaconInterval(sb, v)));
        px == 0 ? interval.moveTo(a) : interval.lineTo(a);
        if (const auto t = aprs::turnThreshold(sb, v)) {
            const QPointF b(plot.left() + px, yTurn(*t));
            turn.elementCount() == 0 ? turn.moveTo(b) : turn.lineTo(b);
        }
    }
    p.save();
    p.setClipRect(plot.adjusted(0, -2, 0, 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(turnPen(pal));
    p.drawPath(turn);
    p.setPen(intervalPen(pal));
    p.drawPath(interval);

    // The chosen speed: a dotted line and a ring on each curve.
    if (markedSpeed_ <= maxSpeed) {
        const double mx = x(markedSpeed_);
        p.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
        p.drawLine(QPointF(mx, plot.top()), QPointF(mx, plot.bottom()));
        p.setPen(QPen(pal.color(QPalette::Text), 1.5));
        p.setBrush(pal.color(QPalette::Base));
        p.drawEllipse(QPointF(mx, yInterval(aprs::beaconInterval(sb, markedSpeed_))), 4, 4);
        if (const auto t = aprs::turnThreshold(sb, markedSpeed_)) p.drawEllipse(QPointF(mx, yTurn(*t)), 4, 4);
    }
    p.restore();

    // Legend above the plot: the line styles tell the curves apart without colour.
    int lx = plot.left();
    int ly = line;
    const auto legend = [&](const QPen& pen, const QString& text) {
        if (lx > plot.left() && legendLines == 2) {
            lx = plot.left();
            ly += line;
        }
        p.setPen(pen);
        p.drawLine(lx, ly, lx + 28, ly);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(lx + 34, ly - line / 2, fm.horizontalAdvance(text) + 2, line), Qt::AlignVCenter,
                   text);
        lx += 34 + fm.horizontalAdvance(text) + 20;
    };
    legend(intervalPen(pal), intervalText);
    legend(turnPen(pal), turnText);
}

SmartBeaconingWindow::SmartBeaconingWindow(const SmartBeaconingFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields) {
    setWindowTitle(QStringLiteral("SmartBeaconing"));
    auto* row = new QHBoxLayout(this);
    chart_ = new SmartBeaconingChart(this);
    row->addWidget(chart_, 1);

    auto* side = new QVBoxLayout;
    auto* speedRow = new QHBoxLayout;
    speed_ = new QSpinBox(this);
    speed_->setRange(0, 300);
    speed_->setValue(50);
    speed_->setAccessibleName(QStringLiteral("Speed in km/h"));
    QLabel* speedLabel = createLabel(QStringLiteral("Speed [km/h]:"), this);
    speedLabel->setBuddy(speed_);
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(speed_);
    speedRow->addStretch(1);
    side->addLayout(speedRow);
    distance_ = createLabel(QString(), this);
    distance_->setWordWrap(true);
    distance_->setAccessibleName(QStringLiteral("At this speed"));
    side->addWidget(distance_);

    table_ = new QGridLayout;
    table_->setHorizontalSpacing(12);
    const char* headers[] = {"Speed [km/h]", "Interval [s]", "Turn [°]", "Distance"};
    for (int column = 0; column < 4; ++column)
        table_->addWidget(createLabel(QString::fromUtf8(headers[column]), this), 0, column, Qt::AlignRight);
    for (int line = 1; line <= 5; ++line)
        for (int column = 0; column < 4; ++column)
            table_->addWidget(createLabel(QString(), this), line, column, Qt::AlignRight);
    side->addSpacing(8);
    side->addLayout(table_);
    side->addStretch(1);
    row->addLayout(side);

    resize(sizeForText(*this, 130, 26));
    connect(speed_, &QSpinBox::valueChanged, this, [this] { showSpeed(); });
    for (QLineEdit* field : fields_) connect(field, &QLineEdit::textChanged, this, [this] { refresh(); });
    refresh();
}

void SmartBeaconingWindow::refresh() {
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fields_[i]->text().toLatin1().toStdString();
    parameters_ = aprs::smartBeaconingFromTexts(texts);
    chart_->setParameters(parameters_);
    for (int row = 1; row <= 5; ++row) {
        const double v = aprs::kTableSpeeds[static_cast<std::size_t>(row - 1)];
        QString cells[4] = {number(v), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
        if (parameters_) {
            cells[1] = number(aprs::beaconInterval(*parameters_, v));
            cells[2] = number(aprs::turnThreshold(*parameters_, v).value_or(0));
            cells[3] =
                latin1(aprs::formatDecimal(aprs::beaconDistance(*parameters_, v), 1)) + QStringLiteral(" km");
        }
        for (int column = 0; column < 4; ++column)
            static_cast<QLabel*>(table_->itemAtPosition(row, column)->widget())->setText(cells[column]);
    }
    showSpeed();
}

void SmartBeaconingWindow::showSpeed() {
    const int v = speed_->value();
    chart_->setMarkedSpeed(v);
    if (!parameters_) {
        distance_->clear();
        return;
    }
    QString text = QStringLiteral("At %1 km/h: ").arg(v) + latin1(aprs::describeDistance(*parameters_, v));
    if (v > 0) text += QStringLiteral(", every %1 s").arg(number(aprs::beaconInterval(*parameters_, v)));
    text += QStringLiteral(".");
    if (const auto turn = aprs::turnThreshold(*parameters_, v))
        text +=
            QStringLiteral(" A turn of %1° or more sends one early, once %2 s have passed since the last.")
                .arg(number(*turn), number(parameters_->minTurnTime));
    distance_->setText(text);
}

QWidget* createSmartBeaconingChartButton(const SmartBeaconingFields& fields, QWidget* parent) {
    QPushButton* button =
        createButton(QStringLiteral("Chart…"), QStringLiteral("Button_smartbeaconing_chart"),
                     QStringLiteral("How often the tracker will beacon at each speed."), parent);
    button->setAccessibleName(QStringLiteral("SmartBeaconing chart"));
    // Built on the first click: the window opens faster without it.
    QObject::connect(button, &QPushButton::clicked, button, [button, fields] {
        auto* window = button->findChild<SmartBeaconingWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!window) window = new SmartBeaconingWindow(fields, button);
        // Beside the group it follows, so that its fields stay in view.
        const QWidget* group = button->parentWidget() ? button->parentWidget() : button;
        if (!window->isVisible()) placeBeside(*window, *group);
        window->show();
        window->raise();
        window->activateWindow();
    });
    return button;
}

}  // namespace zeru::app
