// SPDX-License-Identifier: GPL-3.0-or-later
// The tree of settings pages: PageControl1 with its top-level pages and the
// second-level tab controls PageControl2, 3 and 4, in tab order.
#pragma once

#include "app/widgets/page_buttons.h"

class QTabWidget;
class QWidget;

namespace zeru::app {

QTabWidget* createPageTree(QWidget* parent, PageButtons& buttons);

}  // namespace zeru::app
