// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/splash_screen.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace zeru::app {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(254, 254);
    // Decoded by Qt's JPEG plugin (libjpeg).
    QImageReader reader(QStringLiteral(":/pictures/splash.jpg"), "jpeg");
    picture_ = reader.read();
}

void TSplashScreen::showAndPaint() {
    if (QScreen* s = screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (hasPicture())
        painter.drawImage(rect(), picture_);
    else
        painter.fillRect(rect(), palette().window());
}

}  // namespace zeru::app
