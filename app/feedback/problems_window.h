// SPDX-License-Identifier: GPL-3.0-or-later
// The list behind "Problems: N": every problem of the settings with its page,
// field and message, errors first. Choosing a line shows the field.
#pragma once

#include <QDialog>

class QLabel;
class QTreeWidget;

namespace zeru::app {

class FieldFeedback;

class ProblemsWindow : public QDialog {
    Q_OBJECT
public:
    ProblemsWindow(FieldFeedback& feedback, QWidget* parent);

    QTreeWidget& list() const { return *list_; }
    // Shows the field of line `row` with its text selected.
    void showLine(int row);

private:
    void fill();

    FieldFeedback& feedback_;
    QTreeWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;  // "No problems."
};

}  // namespace zeru::app
