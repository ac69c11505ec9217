// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/analog_range.h"

#include <QLabel>
#include <QLineEdit>

#include "app/fields/field_factory.h"
#include "aprs/telemetry_range.h"

namespace zeru::app {

QLabel* createAnalogRange(const AnalogChannelFields& fields, QWidget* parent) {
    QLabel* range = createLabel(QString(), parent);
    range->setToolTip(QStringLiteral("What receivers show for raw samples 0 to 255."));
    const auto show = [=] {
        const auto text = [](QLineEdit* e) { return e->text().toLatin1().toStdString(); };
        const auto r = aprs::analogRange(text(fields.a), text(fields.b), text(fields.c));
        range->setText(r ? latin1(r->lowText) + QStringLiteral(" … ") + latin1(r->highText) +
                               QLatin1Char(' ') + fields.units->text()
                         : QStringLiteral("not numbers"));
    };
    for (QLineEdit* e : {fields.units, fields.a, fields.b, fields.c})
        QObject::connect(e, &QLineEdit::textChanged, range, show);
    show();
    return range;
}

}  // namespace zeru::app
