// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/mark_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace zeru::app {
namespace {

struct Colours {
    QColor fill, outline, sign;
};

Colours coloursOf(FieldMark mark) {
    switch (mark) {
        case FieldMark::Error:
            return {QColor(0xc6, 0x28, 0x28), Qt::white, Qt::white};
        case FieldMark::Warning:
            return {QColor(0xf2, 0xb4, 0x00), QColor(0x40, 0x2c, 0x00), Qt::black};
        case FieldMark::Change:
            return {QColor(0x1e, 0x6f, 0xd9), Qt::white, Qt::white};
    }
    return {};
}

// An exclamation mark drawn as a bar and a dot, centred on `centreX`.
void paintExclamation(QPainter& p, qreal centreX, qreal top, qreal bottom, qreal width,
                      const QColor& colour) {
    const qreal dot = width;
    const qreal gap = width * 0.6;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(centreX - width / 2, top, width, bottom - top - dot - gap));
    p.drawRect(QRectF(centreX - width / 2, bottom - dot, width, dot));
}

// Draws the mark at whatever size and scale the icon is asked for.
class MarkIconEngine : public QIconEngine {
public:
    explicit MarkIconEngine(FieldMark mark) : mark_(mark) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal side = std::min(rect.width(), rect.height());
        paintMark(
            *painter,
            QRectF(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side),
            mark_);
    }
    QIconEngine* clone() const override { return new MarkIconEngine(mark_); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // At a scale factor of 2 the mark is drawn at twice the pixels, not enlarged.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

private:
    FieldMark mark_;
};

}  // namespace

void paintMark(QPainter& p, const QRectF& box, FieldMark mark) {
    const Colours c = coloursOf(mark);
    const qreal side = box.width();
    const qreal line = std::max<qreal>(1.0, side / 9);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = box.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    p.setPen(QPen(c.outline, line));
    p.setBrush(c.fill);
    switch (mark) {
        case FieldMark::Error:
            p.drawEllipse(inner);
            paintExclamation(p, inner.center().x(), inner.top() + side * 0.2, inner.bottom() - side * 0.2,
                             side * 0.16, c.sign);
            break;
        case FieldMark::Warning: {
            QPainterPath triangle;
            triangle.moveTo(inner.center().x(), inner.top());
            triangle.lineTo(inner.right(), inner.bottom());
            triangle.lineTo(inner.left(), inner.bottom());
            triangle.closeSubpath();
            p.drawPath(triangle);
            paintExclamation(p, inner.center().x(), inner.top() + side * 0.3, inner.bottom() - side * 0.12,
                             side * 0.14, c.sign);
            break;
        }
        case FieldMark::Change: {
            QPainterPath diamond;
            diamond.moveTo(inner.center().x(), inner.top());
            diamond.lineTo(inner.right(), inner.center().y());
            diamond.lineTo(inner.center().x(), inner.bottom());
            diamond.lineTo(inner.left(), inner.center().y());
            diamond.closeSubpath();
            p.drawPath(diamond);
            break;
        }
    }
    p.restore();
}

QIcon markIcon(FieldMark mark) { return QIcon(new MarkIconEngine(mark)); }

}  // namespace zeru::app
