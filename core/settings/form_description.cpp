// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/form_description.h"

#include "settings/form_layout.h"

namespace zeru {
namespace {

FormPage describePage(const PageLayout& layout, const Catalogue& catalogue) {
    FormPage page{std::string(layout.name), std::string(layout.caption), {}, {}};
    for (const GroupLayout& g : layout.groups) {
        FormGroup group{std::string(g.caption), {}};
        group.settings.reserve(g.settings.size());
        for (SettingId id : g.settings) group.settings.push_back(&catalogue.def(id));
        page.groups.push_back(std::move(group));
    }
    return page;
}

}  // namespace

FormDescription describeForm(const Catalogue& catalogue) {
    FormDescription form{std::string(kApplicationTitle), std::string(kVersionLabel), {}};
    // The layout lists a parent page before its second-level pages.
    for (const PageLayout& layout : kFormLayout) {
        if (layout.parent.empty()) {
            form.pages.push_back(describePage(layout, catalogue));
            continue;
        }
        for (FormPage& parent : form.pages)
            if (parent.name == layout.parent) parent.pages.push_back(describePage(layout, catalogue));
    }
    return form;
}

}  // namespace zeru
