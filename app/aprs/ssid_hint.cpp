// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/ssid_hint.h"

#include <QLabel>
#include <QLineEdit>

#include "app/fields/field_factory.h"
#include "aprs/ssid_hints.h"

namespace zeru::app {

QLabel* createSsidHint(QLineEdit* ssid, QWidget* parent) {
    QLabel* hint = createLabel(QString(), parent);
    hint->setAccessibleName(QStringLiteral("SSID convention"));
    const auto show = [=] { hint->setText(latin1(aprs::ssidHint(ssid->text().toLatin1().toStdString()))); };
    QObject::connect(ssid, &QLineEdit::textChanged, hint, show);
    show();
    return hint;
}

}  // namespace zeru::app
