// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/problems_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/feedback/feedback_list.h"
#include "app/feedback/field_feedback.h"
#include "app/feedback/mark_icons.h"
#include "app/fields/field_factory.h"
#include "app/widgets/page_locator.h"
#include "app/widgets/text_size.h"

namespace zeru::app {

ProblemsWindow::ProblemsWindow(FieldFeedback& feedback, QWidget* parent)
    : QDialog(parent), feedback_(feedback) {
    setObjectName(QStringLiteral("Problems_window"));
    setWindowTitle(QStringLiteral("Problems"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("Problems_list"));
    list_->setAccessibleName(QStringLiteral("Problems"));
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("Field"), QStringLiteral("Problem")});
    list_->header()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_, 1);
    column->addWidget(buttons);
    resize(sizeForText(*this, 110, 18));

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    empty_ = createEmptyListText(*list_, QStringLiteral("No problems."));
    // A click shows the field as well as Enter or a double-click does.
    for (auto signal : {&QTreeWidget::itemActivated, &QTreeWidget::itemClicked})
        connect(list_, signal, this,
                [this](QTreeWidgetItem* item) { showLine(list_->indexOfTopLevelItem(item)); });
    connect(&feedback_, &FieldFeedback::updated, this, &ProblemsWindow::fill);
    fill();
}

void ProblemsWindow::fill() {
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const problems::Problem& p : feedback_.problems()) {
        const QWidget* field = feedback_.field(p.setting);
        auto* item = new QTreeWidgetItem(
            {pageCaption(field), fieldName(field, settingName(p.setting)), messageText(p.message)});
        const bool error = p.severity == problems::Severity::Error;
        item->setIcon(0, markIcon(error ? FieldMark::Error : FieldMark::Warning));
        // The icon's shape tells it, and so does the text for a screen reader.
        item->setData(0, Qt::AccessibleTextRole,
                      (error ? QStringLiteral("Error: ") : QStringLiteral("Warning: ")) + pageCaption(field));
        items.append(item);
    }
    list_->addTopLevelItems(items);
    fitColumns(*list_, 2);
    empty_->setVisible(items.isEmpty());
}

void ProblemsWindow::showLine(int row) {
    const auto& problems = feedback_.problems();
    if (row < 0 || static_cast<std::size_t>(row) >= problems.size()) return;
    feedback_.showSetting(problems[static_cast<std::size_t>(row)].setting, true);
}

}  // namespace zeru::app
