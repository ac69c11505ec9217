// SPDX-License-Identifier: GPL-3.0-or-later
// The search box (Ctrl+F): a line over the top right of the pages and the
// settings it finds as the user types, best first, each with its place and
// value. Enter or a click goes to the field (its page and tab shown), marks
// it briefly and puts the focus in it; Escape closes the box and gives the
// focus back to where it was.
#pragma once

#include <QFrame>
#include <QPointer>

#include "search/setting_search.h"
#include "settings/settings.h"

class QLineEdit;
class QListWidget;

namespace zeru::app {

class FieldFeedback;

class SearchBox : public QFrame {
    Q_OBJECT
public:
    // `values`: the window's settings, whose values are shown and searched;
    // the box stands over `pages`.
    SearchBox(FieldFeedback& fields, const Settings& values, QWidget& pages);

    // Shows the box over the pages' top right corner, the focus in its line.
    void open();
    // Goes to the setting of the hit in `row` (the first when none is chosen).
    void goToHit(int row);
    void close();

    QLineEdit& line() const { return *line_; }
    QListWidget& hits() const { return *hits_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listHits(const QString& words);
    void placeInWindow();

    FieldFeedback& fields_;
    const Settings& values_;
    QWidget& pages_;
    const search::SettingSearch search_;
    QLineEdit* line_ = nullptr;
    QListWidget* hits_ = nullptr;
    QPointer<QWidget> focusBefore_;
};

// A search box over `pages`, opened by Ctrl+F anywhere in `window`.
SearchBox* installSearchBox(FieldFeedback& fields, const Settings& values, QWidget& pages, QWidget& window);

// Draws a frame in the highlight colour around `field` for a moment, so that
// the eye finds it on its page.
void highlightBriefly(QWidget* field);

}  // namespace zeru::app
