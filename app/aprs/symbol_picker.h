// SPDX-License-Identifier: GPL-3.0-or-later
// The symbol the station shows on maps: a searchable list of both symbol
// tables with an overlay choice, and beside the two fields the current
// symbol's description ("/> Car").
#pragma once

#include <QDialog>
#include <utility>

class QComboBox;
class QLineEdit;
class QListWidget;
class QDialogButtonBox;

namespace zeru::app {

class SymbolPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit SymbolPickerDialog(QWidget* parent);

    // Selects the symbol the fields hold (overlay included), if any.
    void select(QChar table, QChar code);
    // The table character (or overlay) and code chosen.
    std::pair<QChar, QChar> chosen() const;

private:
    void filter(const QString& text);
    void followSelection();

    QLineEdit* search_;
    QListWidget* list_;
    QComboBox* overlay_;
    QDialogButtonBox* buttons_;
};

// The "Symbols…" button and the description, for the row of the two fields;
// choosing a symbol fills both.
QWidget* createSymbolHelper(QLineEdit* code, QLineEdit* table, QWidget* parent);

}  // namespace zeru::app
