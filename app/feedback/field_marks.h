// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the window marks a field: a problem (error or warning) and a
// change each show as a small mark over a corner of the field (the change at
// the top left, the problem at the top right), drawn above the layout so that
// no field moves or shrinks, and each adds its explanation to the field's
// tooltip after the field's own help text.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "app/feedback/mark_icons.h"

class QWidget;

namespace zeru::app {

class MarkBadge;

class FieldMarks : public QObject {
    Q_OBJECT
public:
    explicit FieldMarks(QObject* parent = nullptr);
    ~FieldMarks() override;

    // Marks `field` with a problem (Error or Warning) and its message, or
    // clears its problem mark (nullopt).
    void setProblem(QWidget* field, std::optional<FieldMark> mark, const QString& message = {});
    // Marks `field` as changed with its explanation, or clears the mark ("").
    void setChange(QWidget* field, const QString& explanation);

    // What `field` is marked with, for tests and lists.
    std::optional<FieldMark> problemOf(QWidget* field) const;
    bool isChanged(QWidget* field) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Marks {
        QString help;            // the field's own tooltip
        QPointer<QWidget> page;  // where the marks are drawn
        QPointer<MarkBadge> problem, change;
        QString problemText, changeText;
    };
    Marks& marksOf(QWidget* field);
    void update(QWidget* field, Marks& marks);
    void place(QWidget* field, const Marks& marks);

    QHash<QWidget*, Marks> marks_;
};

}  // namespace zeru::app
