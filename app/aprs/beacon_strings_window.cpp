// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/beacon_strings_window.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/fields/field_factory.h"
#include "rules/beacon_placeholders.h"

namespace zeru::app {
namespace {

// The client area the card was drawn for.
constexpr QSize kDesignedClientSize(317, 206);

}  // namespace

BeaconStringsWindow::BeaconStringsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(latin1(rules::kSpecialStringsTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(2);
    // The card is as wide as the longest line that must not wrap, at least as
    // wide as it was drawn.
    int width = kDesignedClientSize.width();
    for (const rules::SpecialStringLine& line : rules::specialStringLines()) {
        QLabel* label = createLabel(latin1(line.text), this);
        label->setWordWrap(line.wraps);
        // The placeholders can be selected and copied into a message.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        if (line.standsApart) column->addSpacing(6);
        column->addWidget(label);
        if (!line.wraps) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 16 + 2;
            width = std::max(width, needed);
        }
    }
    column->addStretch(1);
    const int height = std::max(kDesignedClientSize.height(), column->totalHeightForWidth(width));
    setFixedSize(width, height);
}

void BeaconStringsWindow::showModally() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

}  // namespace zeru::app
