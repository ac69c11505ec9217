// SPDX-License-Identifier: GPL-3.0-or-later
// Where every setting stands in the form: the tree of pages in tab order, and
// on each page its settings in reading order, in runs that share a group frame
// ("SmartBeaconing:") or stand on the page itself (caption ""). It is the one
// statement of these facts: the catalogue takes each setting's page from it,
// the form description for the browser is built from it, and a window test
// checks that the window's pages show the same.
#pragma once

#include <string_view>
#include <vector>

#include "settings/setting_id.h"

namespace zeru {

struct GroupLayout {
    std::string_view caption;  // the group frame's caption, "" for fields on the page itself
    std::vector<SettingId> settings;
};

struct PageLayout {
    std::string_view name;     // objectName of the page (TabSheet_...)
    std::string_view caption;  // the tab's caption
    std::string_view parent;   // name of the page whose tab control holds it, "" at the top
    std::vector<GroupLayout> groups;
};

// Every page, a parent before its second-level pages, in tab order.
std::vector<PageLayout> buildFormLayout();

}  // namespace zeru
