#include "shell/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <functional>

namespace shell {

namespace {

// Pictures are drawn on a 24-unit square and rendered at each size a
// toolbar may ask for, so they stay sharp.
constexpr int Units = 24;
constexpr int Sizes[] = {16, 24, 32};

const QColor Ink(50, 60, 75);
const QColor Paper(250, 250, 245);
const QColor Accent(40, 110, 200);
const QColor Danger(190, 45, 40);

QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (const int size : Sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(size) / Units, double(size) / Units);
        p.setPen(QPen(Ink, 1.5));
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Sheet(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 5 + n * 4);
    p.drawLine(to, to - d * 5 - n * 4);
}

void Radio(QPainter& p) {
    p.setBrush(QColor(215, 220, 228));
    p.drawRoundedRect(QRectF(12.5, 6.5, 9, 15), 2, 2);
    p.drawLine(QPointF(15, 6.5), QPointF(15, 1.5));
    p.setBrush(Ink);
    p.drawRect(QRectF(14.5, 9.5, 4, 3));
}

QIcon Picture(const QString& key) {
    if (key == QLatin1String("New"))
        return Draw([](QPainter& p) { Sheet(p, QRectF(5.5, 2.5, 13, 19)); });
    if (key == QLatin1String("Open"))
        return Draw([](QPainter& p) {
            p.setBrush(QColor(235, 200, 110));
            p.drawRect(QRectF(2.5, 6.5, 18, 13));
            p.drawRect(QRectF(2.5, 4.5, 7, 2));
        });
    if (key == QLatin1String("Save"))
        return Draw([](QPainter& p) {
            p.setBrush(Accent);
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.setBrush(Paper);
            p.drawRect(QRectF(7.5, 3.5, 9, 6));
            p.drawRect(QRectF(6.5, 13.5, 11, 7));
        });
    if (key == QLatin1String("Cut"))
        return Draw([](QPainter& p) {
            p.drawLine(QPointF(7, 3), QPointF(15, 15));
            p.drawLine(QPointF(17, 3), QPointF(9, 15));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(7.5, 18), 3.5, 3.5);
            p.drawEllipse(QPointF(16.5, 18), 3.5, 3.5);
        });
    if (key == QLatin1String("Copy"))
        return Draw([](QPainter& p) {
            Sheet(p, QRectF(3.5, 2.5, 11, 14));
            Sheet(p, QRectF(9.5, 7.5, 11, 14));
        });
    if (key == QLatin1String("Paste"))
        return Draw([](QPainter& p) {
            p.setBrush(QColor(190, 150, 95));
            p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 2, 2);
            p.setBrush(Ink);
            p.drawRect(QRectF(7.5, 2.5, 6, 4));
            Sheet(p, QRectF(10.5, 9.5, 10, 12));
        });
    if (key == QLatin1String("Find"))
        return Draw([](QPainter& p) {
            p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(QColor(200, 225, 250));
            p.drawEllipse(QPointF(10, 10), 6, 6);
            p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
        });
    if (key == QLatin1String("Print"))
        return Draw([](QPainter& p) {
            Sheet(p, QRectF(6.5, 2.5, 11, 8));
            p.setBrush(QColor(200, 205, 212));
            p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
            Sheet(p, QRectF(6.5, 14.5, 11, 7));
        });
    if (key == QLatin1String("Move Up"))
        return Draw([](QPainter& p) { Arrow(p, QPointF(12, 20), QPointF(12, 4), Accent); });
    if (key == QLatin1String("Move Down"))
        return Draw([](QPainter& p) { Arrow(p, QPointF(12, 4), QPointF(12, 20), Accent); });
    if (key == QLatin1String("Insert Blank"))
        return Draw([](QPainter& p) {
            Sheet(p, QRectF(3.5, 6.5, 17, 12));
            p.setPen(QPen(Accent, 2.5));
            p.drawLine(QPointF(12, 9), QPointF(12, 16));
            p.drawLine(QPointF(8.5, 12.5), QPointF(15.5, 12.5));
        });
    if (key == QLatin1String("Delete"))
        return Draw([](QPainter& p) {
            p.setPen(QPen(Danger, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
            p.drawLine(QPointF(18, 6), QPointF(6, 18));
        });
    if (key == QLatin1String("Clear"))
        return Draw([](QPainter& p) {
            Sheet(p, QRectF(3.5, 6.5, 17, 12));
            p.setPen(QPen(Danger, 2));
            p.drawLine(QPointF(6, 16), QPointF(18, 9));
        });
    if (key == QLatin1String("Read From Radio"))
        return Draw([](QPainter& p) {
            Radio(p);
            Arrow(p, QPointF(11, 14), QPointF(2, 14), Accent);
        });
    if (key == QLatin1String("Write To Radio"))
        return Draw([](QPainter& p) {
            Radio(p);
            Arrow(p, QPointF(2, 14), QPointF(11, 14), Danger);
        });
    return QIcon();
}

} // namespace

QIcon ToolbarIcon(const QString& key) {
    return Picture(key);
}

QIcon ProgramIcon() {
    return Draw([](QPainter& p) {
        p.setBrush(QColor(60, 70, 85));
        p.drawRoundedRect(QRectF(6.5, 5.5, 11, 17), 2, 2);
        p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 5.5), QPointF(9, 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 200, 120));
        p.drawRect(QRectF(8.5, 8, 7, 4));
        p.setBrush(QColor(200, 205, 212));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(8.5 + col * 2.6, 14 + row * 2.6, 1.8, 1.8));
    });
}

} // namespace shell
