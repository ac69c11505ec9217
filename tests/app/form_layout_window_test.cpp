// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pages show the form the core describes (the description a
// browser page builds its fields from): the same pages with the same
// captions in the same tab order, and on each the same settings in the same
// order and group frames.
#include <QGroupBox>
#include <QTabWidget>

#include "app/fields/field_factory.h"
#include "app/widgets/page_scroller.h"
#include "settings/form_description.h"
#include "window_fixture.h"

namespace zeru::app::test {
namespace {

using FormInWindow = StartedWindow;

// "name/group caption" of every setting widget on a page, in creation order.
std::vector<std::string> shownSettings(const QWidget& page) {
    std::vector<std::string> shown;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const std::string name = widget->objectName().toStdString();
        if (!findSetting(name)) continue;
        std::string group;
        for (const QWidget* up = widget->parentWidget(); up != &page; up = up->parentWidget())
            if (const auto* frame = qobject_cast<const QGroupBox*>(up)) group = frame->title().toStdString();
        shown.push_back(name + "/" + group);
    }
    return shown;
}

std::vector<std::string> describedSettings(const FormPage& page) {
    std::vector<std::string> described;
    for (const FormGroup& group : page.groups)
        for (const SettingDef* def : group.settings)
            described.push_back(std::string(def->name) + "/" + group.caption);
    return described;
}

void expectSamePages(const QTabWidget& tabs, const std::vector<FormPage>& pages) {
    ASSERT_EQ(tabs.count(), static_cast<int>(pages.size())) << tabs.objectName().toStdString();
    for (int i = 0; i < tabs.count(); ++i) {
        const FormPage& page = pages[static_cast<std::size_t>(i)];
        const QWidget* shown = pageAt(tabs, i);
        SCOPED_TRACE(page.name);
        EXPECT_EQ(shown->objectName(), latin1(page.name));
        EXPECT_EQ(tabs.tabText(i), latin1(page.caption));
        if (page.pages.empty()) {
            EXPECT_EQ(shownSettings(*shown), describedSettings(page));
        } else {
            const auto* nested = shown->findChild<QTabWidget*>();
            ASSERT_TRUE(nested);
            expectSamePages(*nested, page.pages);
        }
    }
}

TEST_F(FormInWindow, PagesGroupsAndOrderAreTheDescribedOnes) {
    expectSamePages(*find<QTabWidget>("PageControl1"), describeForm().pages);
}

}  // namespace
}  // namespace zeru::app::test
