// SPDX-License-Identifier: GPL-3.0-or-later
// Every field shows its longest text whole, at small and large fonts (and, run
// again by ctest, at scale factors 1.5 and 2).
#include "app/fields/field_width.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

#include "app/fields/beacon_message_edit.h"
#include "app/window/startup.h"
#include "settings/catalogue.h"
#include "support/recording_ui.h"

namespace zeru::app::test {
namespace {

int comboTextWidth(QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = false;
    option.frame = box.hasFrame();
    return box.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
        .width();
}

// Brings the pages that hold `widget` to the front (lists size themselves when first shown).
void showPageOf(QWidget* widget) {
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
            tabs->setCurrentWidget(w);
    QApplication::processEvents();
}

class FieldWidths : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        saved_ = QApplication::font();
        QFont font = saved_;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
        form_ = buildMainWindow(ui_);
        form_->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        form_.reset();
        QApplication::setFont(saved_);
    }
    template <typename T>
    T* field(std::string_view name) {
        return form_->findChild<T*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }

    zeru::test::RecordingUi ui_;
    std::unique_ptr<MainWindow> form_;
    QFont saved_;
};

TEST_P(FieldWidths, EveryFieldShowsItsLongestTextWhole) {
    for (const SettingDef& def : settingsCatalogue().defs()) {
        SCOPED_TRACE(def.name);
        showPageOf(field<QWidget>(def.name));
        if (auto* box = field<QComboBox>(def.name)) {
            int widest = 0;
            for (int i = 0; i < box->count(); ++i)
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
            EXPECT_GE(comboTextWidth(*box), widest);
        } else if (auto* message = field<BeaconMessageEdit>(def.name)) {
            message->setPlainText(widestContent(def, message->fontMetrics()));
            QApplication::processEvents();
            EXPECT_EQ(message->verticalScrollBar()->maximum(), 0) << "the message needs more than two lines";
        } else {
            auto* edit = field<QLineEdit>(def.name);
            ASSERT_TRUE(edit);
            const QString text = widestContent(def, edit->fontMetrics());
            EXPECT_EQ(text.size(), def.maxLength);
            EXPECT_GE(lineEditTextWidth(*edit), edit->fontMetrics().horizontalAdvance(text))
                << text.toStdString();
        }
    }
}

// Texts users type, independent of how the fields are sized.
TEST_P(FieldWidths, CommonWideTextsFit) {
    const std::pair<const char*, const char*> texts[] = {
        {"Callsign", "MW0WMW"},
        {"Alias3_name", "WB2WGH"},
        {"Beacon4_path2_string", "DL1MWM"},
        {"Weather_dest_ssid", "15"},
        {"Latitude", "0000.00S"},
        {"Longitude", "00000.00W"},
        {"Teleanalog5_coefc", "-0.00075"},
        {"Bluetooth_name", "WWWWWWWWWWWWWWWWWWWW"},
        {"Teletitle", "MMMMMMMMMMWWWWWWWWWWMMM"},
    };
    for (const auto& [name, text] : texts) {
        auto* edit = field<QLineEdit>(name);
        EXPECT_GE(lineEditTextWidth(*edit), edit->fontMetrics().horizontalAdvance(QLatin1String(text)))
            << name << " cuts " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(PointSizes, FieldWidths, ::testing::Values(9, 12, 16));

}  // namespace
}  // namespace zeru::app::test
