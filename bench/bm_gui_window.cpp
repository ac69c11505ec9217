// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: the real one (every page, default, preset and
// rule) against a plain window of as many pages holding 226 bare fields with
// labels and choice lists and no logic.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "app/feedback/window_feedback.h"
#include "app/fields/field_factory.h"
#include "app/window/startup.h"
#include "settings/catalogue.h"
#include "support_null_ui.h"

namespace {

// The benchmarks need a QApplication on the offscreen platform; the other
// benchmarks of zeru-bench do not, so it is made on first use.
QApplication& guiApplication() {
    static int argc = 1;
    static char name[] = "zeru-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

void BM_BuildMainWindow(benchmark::State& state) {
    guiApplication();
    zeru::bench::NullUi ui;
    for (auto _ : state) {
        auto form = zeru::app::buildMainWindow(ui);
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.get());
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One edit, then the whole window compared with its baseline and checked for
// problems, and every mark brought up to date: what follows each keystroke.
void BM_MarkPendingChanges(benchmark::State& state) {
    guiApplication();
    zeru::bench::NullUi ui;
    auto form = zeru::app::buildMainWindow(ui);
    form->show();
    QApplication::processEvents();
    zeru::app::FieldFeedback& fields = form->feedback().fields();
    int i = 0;
    for (auto _ : state) {
        form->settings().setText(zeru::SettingId::Callsign, (++i % 2) ? "OK1ZRU" : "NOCALL");
        fields.refresh();
        benchmark::DoNotOptimize(fields.changes().size());
    }
}
BENCHMARK(BM_MarkPendingChanges)->Unit(benchmark::kMicrosecond);

// 18 pages in one tab control, the catalogue's settings spread over them.
void BM_PlainFieldsWindow(benchmark::State& state) {
    guiApplication();
    const auto& defs = zeru::settingsCatalogue().defs();
    for (auto _ : state) {
        QWidget window;
        auto* box = new QGridLayout(&window);
        auto* tabs = new QTabWidget(&window);
        box->addWidget(tabs);
        constexpr int kPages = 18;
        QGridLayout* grids[kPages];
        for (int p = 0; p < kPages; ++p) {
            auto* page = new QWidget;
            grids[p] = new QGridLayout(page);
            tabs->addTab(page, QStringLiteral("Page %1").arg(p));
        }
        int i = 0;
        for (const zeru::SettingDef& def : defs) {
            QGridLayout* grid = grids[i % kPages];
            QWidget* page = grid->parentWidget();
            const int row = i / kPages;
            grid->addWidget(new QLabel(zeru::app::latin1(def.name), page), row, 0);
            if (def.kind == zeru::SettingKind::Choice) {
                auto* combo = new QComboBox(page);
                for (std::string_view c : def.choices) combo->addItem(zeru::app::latin1(c));
                combo->setCurrentIndex(def.defaultIndex);
                grid->addWidget(combo, row, 1);
            } else {
                auto* line = new QLineEdit(zeru::app::latin1(def.defaultText), page);
                line->setMaxLength(def.maxLength);
                grid->addWidget(line, row, 1);
            }
            ++i;
        }
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_PlainFieldsWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
