// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/beacon_message_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace zeru::app {

BeaconMessageEdit::BeaconMessageEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Messages are mostly placeholders without spaces; wrap them anywhere.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(sizeHint().height());
}

QSize BeaconMessageEdit::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int margins = static_cast<int>(2 * document()->documentMargin());
    const int lines = 2 * fontMetrics().lineSpacing();
    return {fontMetrics().averageCharWidth() * 30 + frame + margins, lines + frame + margins + 2};
}

QSize BeaconMessageEdit::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 12, sizeHint().height()};
}

int BeaconMessageEdit::room() const {
    const int length = static_cast<int>(toPlainText().size());
    const int selected = static_cast<int>(textCursor().selectedText().size());
    // A text longer than the limit set by the program may be edited, never lengthened.
    return std::max(limit_, length) - (length - selected);
}

void BeaconMessageEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // no line breaks, and the Enter key does nothing else here
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        typed.size() > room()) {
        event->accept();  // the field is full
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BeaconMessageEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    text.remove(QChar::ParagraphSeparator);
    text.remove(QChar::LineSeparator);
    text.truncate(std::max(0, room()));
    if (!text.isEmpty()) insertPlainText(text);
}

}  // namespace zeru::app
