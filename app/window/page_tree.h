// SPDX-License-Identifier: GPL-3.0-or-later
// The tree of settings pages: PageControl1 with its top-level pages and the
// second-level tab controls PageControl2, 3 and 4, in tab order.
#pragma once

#include <array>

class QPushButton;
class QTabWidget;
class QWidget;

namespace zeru::app {

// The pages' buttons that the window wires, handed over by the pages.
struct PageButtons {
    QPushButton* specialStrings = nullptr;
    std::array<QPushButton*, 5> analogDefaults{};   // channels 1 to 5
    std::array<QPushButton*, 8> digitalDefaults{};  // channels 1 to 8
};

QTabWidget* createPageTree(QWidget* parent, PageButtons& buttons);

}  // namespace zeru::app
