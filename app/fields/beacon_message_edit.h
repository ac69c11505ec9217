// SPDX-License-Identifier: GPL-3.0-or-later
// The beacon message field: two visible lines with wrapping, but one line of
// text. The device sends the message as one information field, so a line break
// can never be part of it: Enter does nothing and pasted line breaks are dropped.
#pragma once

#include <QPlainTextEdit>

namespace zeru::app {

class BeaconMessageEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit BeaconMessageEdit(QWidget* parent = nullptr);

    // The most characters a user can type; text set by the program is kept whole.
    void setMaxLength(int limit) { limit_ = limit; }
    int maxLength() const { return limit_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters may still be inserted in place of the selection.
    int room() const;

    int limit_ = 96;
};

}  // namespace zeru::app
