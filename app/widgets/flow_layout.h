// SPDX-License-Identifier: GPL-3.0-or-later
// A layout that puts its items side by side, each at its preferred size, and
// starts a new line where the width runs out: the command row stays whole on
// narrow screens instead of cutting its buttons' captions. The items keep
// their order, so captions, mnemonics and tab order are the same at any width.
#pragma once

#include <QLayout>
#include <QList>

namespace zeru::app {

class FlowLayout : public QLayout {
public:
    FlowLayout(QWidget* parent, int horizontalSpacing, int verticalSpacing);
    ~FlowLayout() override;
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    // Puts `widget` before the item at `index` (at the end when out of range).
    void insertWidget(int index, QWidget* widget);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    // The widest item: narrower, an item would be cut.
    QSize minimumSize() const override;
    // Every item on one line.
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (moving them when `apply`); the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int horizontalSpacing_;
    int verticalSpacing_;
};

}  // namespace zeru::app
