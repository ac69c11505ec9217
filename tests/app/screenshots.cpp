// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: draws the main window on every page, a port-rule message box and
// the special strings window into PNG files, to look at them (and for the
// README picture). Usage: app_screenshots <folder> [font points] (offscreen
// platform).
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "app/beacon_strings_window.h"
#include "app/main_window.h"
#include "app/qt_user_interface.h"
#include "app/startup.h"
#include "support/recording_ui.h"

using namespace zeru::app;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (argc > 2) {
        QFont font = QApplication::font();
        font.setPointSizeF(QString::fromLocal8Bit(argv[2]).toDouble());
        QApplication::setFont(font);
    }
    zeru::test::RecordingUi ui;
    auto form = buildMainWindow(ui);
    form->show();
    std::printf("window %dx%d, font %s %g\n", form->width(), form->height(),
                qPrintable(form->font().family()), form->font().pointSizeF());

    auto* top = form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    int shot = 0;
    auto save = [&](const QString& name) {
        QApplication::processEvents();
        if (auto* page = form->findChild<QWidget*>(name))
            std::printf("%-32s minimum %dx%d\n", qPrintable(name), page->minimumSizeHint().width(),
                        page->minimumSizeHint().height());
        form->grab().save(
            out.filePath(QStringLiteral("%1_%2.png").arg(shot++, 2, 10, QLatin1Char('0')).arg(name)));
    };
    for (int i = 0; i < top->count(); ++i) {
        top->setCurrentIndex(i);
        auto* nested = top->widget(i)->findChild<QTabWidget*>();
        if (!nested) {
            save(top->widget(i)->objectName());
            continue;
        }
        for (int j = 0; j < nested->count(); ++j) {
            nested->setCurrentIndex(j);
            save(nested->widget(j)->objectName());
        }
        nested->setCurrentIndex(0);
    }
    top->setCurrentIndex(0);
    save(QStringLiteral("main_window"));

    auto box = createMessageBox(
        QMessageBox::Information, QStringLiteral("Information"),
        QStringLiteral("RS-232 port 2 changed to None.\nReason:\nSerial console can be selected "
                       "on one port only."),
        form.get());
    box->show();
    QApplication::processEvents();
    box->grab().save(out.filePath(QStringLiteral("port_rule_box.png")));

    TForm2 card(form.get());
    card.show();
    QApplication::processEvents();
    std::printf("special strings %dx%d\n", card.width(), card.height());
    card.grab().save(out.filePath(QStringLiteral("special_strings.png")));
    return 0;
}
