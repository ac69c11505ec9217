// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: borderless, 254 x 254, centred, above other windows,
// filled by the configurator's JPEG picture. It lives only during start-up.
#pragma once

#include <QImage>
#include <QWidget>

namespace zeru::app {

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    // False when the picture could not be decoded (the window is then plain).
    bool hasPicture() const { return !picture_.isNull(); }

    // Shows the window and paints it at once, before the main window is built.
    void showAndPaint();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace zeru::app
