// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/field_width.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <algorithm>

namespace zeru::app {
namespace {

// Texts longer than this are sentences (status, comment, beacon message), and
// a field as wide as the same number of "W"s would not fit any window.
constexpr int kLongestIdentifier = 23;
// A typical free text, repeated up to the field's length.
constexpr const char* kSentence = "Kestrovane Zeru at the club, QTH JO82LK, 73 de MW0WMW. ";
// QLineEdit draws its text one pixel in from either side of its contents, and
// scrolls it once text and the one-pixel cursor no longer fit; one more pixel
// absorbs rounding between the font's advance and the laid-out line.
constexpr int kLineEditSpare = 2 * 1 + 1 + 1;

bool isNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
}

bool holdsDigitsOnly(const SettingDef& def) {
    return QLatin1String(def.name.data(), static_cast<qsizetype>(def.name.size()))
               .endsWith(QLatin1String("ssid"), Qt::CaseInsensitive) ||
           isNumber(def.defaultText);
}

QChar widestOf(const QString& candidates, const QFontMetrics& fm) {
    return *std::max_element(candidates.begin(), candidates.end(), [&](QChar a, QChar b) {
        return fm.horizontalAdvance(a) < fm.horizontalAdvance(b);
    });
}

QStyleOptionFrame frameOption(const QLineEdit& edit, const QRect& rect) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = rect;
    option.lineWidth =
        edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    return option;
}

// Width of the contents of `edit` if it were `width` wide, text margins removed.
int contentsWidth(const QLineEdit& edit, int width) {
    const QStyleOptionFrame option = frameOption(edit, QRect(0, 0, width, edit.height()));
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return contents.marginsRemoved(edit.textMargins()).width();
}

}  // namespace

QString widestContent(const SettingDef& def, const QFontMetrics& fm) {
    const int length = def.maxLength;
    const QChar digit = widestOf(QStringLiteral("0123456789"), fm);
    if (holdsDigitsOnly(def)) return QString(length, digit);
    if (def.id == SettingId::Latitude || def.id == SettingId::Longitude)
        return QString(length - 1, digit) + widestOf(QStringLiteral("NSEW"), fm);
    if (length <= kLongestIdentifier) return QString(length, widestOf(QStringLiteral("WM"), fm));
    QString text;
    while (text.size() < length) text += QLatin1String(kSentence);
    return text.left(length);
}

int lineEditTextWidth(const QLineEdit& edit) {
    return contentsWidth(edit, edit.width()) - (kLineEditSpare - 1);
}

int lineEditWidthFor(const QLineEdit& edit, const QString& text) {
    // The frame and margins around the contents do not depend on the width.
    constexpr int kProbe = 1000;
    const int around = kProbe - contentsWidth(edit, kProbe);
    return edit.fontMetrics().horizontalAdvance(text) + kLineEditSpare + around;
}

int twoLineEditWidthFor(const QPlainTextEdit& edit, const QString& text) {
    const QFontMetrics fm = edit.fontMetrics();
    // The first line breaks before the word that does not fit: it may end a
    // word early, so the second line takes that word too.
    int longestWord = 0;
    for (const QString& word : text.split(QLatin1Char(' ')))
        longestWord = std::max(longestWord, fm.horizontalAdvance(word + QLatin1Char(' ')));
    const int lineWidth = (fm.horizontalAdvance(text) + 1) / 2 + longestWord;
    const int margins = static_cast<int>(2 * edit.document()->documentMargin());
    return lineWidth + margins + 2 * edit.frameWidth() + 1;
}

}  // namespace zeru::app
