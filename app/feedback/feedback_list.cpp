// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/feedback_list.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeru::app {

void fitColumns(QTreeWidget& list, int columns) {
    const int gap = 2 * list.fontMetrics().averageCharWidth();
    for (int c = 0; c < columns; ++c) {
        list.resizeColumnToContents(c);
        list.setColumnWidth(c, list.columnWidth(c) + gap);
    }
}

QLabel* createEmptyListText(QTreeWidget& list, const QString& text) {
    auto* label = new QLabel(text, list.viewport());
    label->setObjectName(list.objectName() + QStringLiteral("_empty"));
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);  // drawn greyed, as a note rather than a line
    auto* centre = new QVBoxLayout(list.viewport());
    centre->addWidget(label);
    return label;
}

}  // namespace zeru::app
