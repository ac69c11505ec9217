// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down list of a choice setting. A screen reader announces it by its
// name and its selected entry; Qt's own list on Linux gives its selected entry
// as its name, which leaves a list under a column header nameless.
#pragma once

#include <QComboBox>

namespace zeru::app {

class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent = nullptr);
};

}  // namespace zeru::app
