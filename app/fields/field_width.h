// SPDX-License-Identifier: GPL-3.0-or-later
// How wide a setting's field must be to show its longest realistic text whole
// in the field's own font: identifiers written with the widest capital letter,
// numbers with the widest digit, long free texts as a typical sentence.
#pragma once

#include <QString>

#include "settings/catalogue.h"

class QFontMetrics;
class QLineEdit;
class QPlainTextEdit;

namespace zeru::app {

// The longest text of `def` (a text setting) worth showing whole, measured
// with `fm`: maxLength characters.
QString widestContent(const SettingDef& def, const QFontMetrics& fm);

// The width of `edit` that shows `text` whole with the text cursor after it.
int lineEditWidthFor(const QLineEdit& edit, const QString& text);
// The width of the text area of `edit` (inside frame, margins and cursor).
int lineEditTextWidth(const QLineEdit& edit);

// The width of a wrapping two-line field that shows `text` whole.
int twoLineEditWidthFor(const QPlainTextEdit& edit, const QString& text);

}  // namespace zeru::app
