#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A front view of a mobile transceiver: dark body, amber display, two knobs
// and radio waves from the antenna, scaled to size x size.
QPixmap RadioPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Waves.
    p.setPen(QPen(QColor(70, 170, 255), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 1, 10, 10), 0 * 16, 90 * 16);
    p.drawArc(QRectF(16, -2, 16, 16), 10 * 16, 70 * 16);
    // Antenna.
    p.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 6), QPointF(24, 13));
    // Body.
    QLinearGradient body(0, 12, 0, 30);
    body.setColorAt(0, QColor(80, 88, 100));
    body.setColorAt(1, QColor(28, 32, 40));
    p.setPen(QPen(QColor(15, 15, 20), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2, 12.5, 28, 17), 3, 3);
    // Display.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 176, 40));
    p.drawRoundedRect(QRectF(5, 15.5, 15, 7), 1, 1);
    p.setBrush(QColor(120, 70, 0));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(6.5 + i * 3.3, 17.5, 2, 3));
    // Knobs.
    p.setBrush(QColor(200, 205, 212));
    p.drawEllipse(QRectF(22, 15, 6, 6));
    p.drawEllipse(QRectF(22.5, 23, 5, 5));
    // Key row.
    p.setBrush(QColor(150, 155, 165));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(5 + i * 4, 24.5, 3, 2.5));
    return pixmap;
}

void DrawPage(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void DrawArrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &color)
{
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const double dir = to.y() > from.y() ? -1 : 1;
    p.drawLine(to, QPointF(to.x() - 3, to.y() + 3 * dir));
    p.drawLine(to, QPointF(to.x() + 3, to.y() + 3 * dir));
}

void DrawSmallRadio(QPainter &p)
{
    p.setPen(QPen(QColor(20, 20, 25), 1));
    p.setBrush(QColor(60, 66, 78));
    p.drawRoundedRect(QRectF(1.5, 9.5, 13, 6), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 176, 40));
    p.drawRect(QRectF(3, 11, 6, 3));
    p.setBrush(QColor(200, 205, 212));
    p.drawEllipse(QRectF(10.5, 10.8, 3, 3));
}

QPixmap ToolPicture(const QString &name)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5);

    if (name == QLatin1String("new")) {
        DrawPage(p, QRectF(3, 1, 10, 13));
    } else if (name == QLatin1String("open")) {
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1, 4, 12, 9));
        p.drawRect(QRectF(1, 2.5, 5, 1.5));
        p.setBrush(QColor(255, 225, 130));
        QPolygonF flap;
        flap << QPointF(3, 7) << QPointF(15, 7) << QPointF(13, 13) << QPointF(1, 13);
        p.drawPolygon(flap);
    } else if (name == QLatin1String("save")) {
        p.setPen(QPen(QColor(20, 30, 70), 1));
        p.setBrush(QColor(50, 80, 170));
        p.drawRect(QRectF(1, 1, 13, 13));
        p.setBrush(QColor(230, 230, 235));
        p.drawRect(QRectF(4, 1, 7, 5));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(3.5, 9, 8, 5));
    } else if (name == QLatin1String("print")) {
        DrawPage(p, QRectF(4, 0, 8, 7));
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(1, 6, 14, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 10, 8, 5));
    } else if (name == QLatin1String("read")) {
        DrawSmallRadio(p);
        // From the radio into the program: an arrow coming up out of it.
        DrawArrow(p, QPointF(8, 8), QPointF(8, 1), QColor(30, 140, 40));
    } else if (name == QLatin1String("write")) {
        DrawSmallRadio(p);
        DrawArrow(p, QPointF(8, 0.5), QPointF(8, 8), QColor(200, 50, 30));
    } else if (name == QLatin1String("cut")) {
        p.setPen(QPen(QColor(60, 60, 60), 1.3));
        p.drawLine(QPointF(4, 1), QPointF(10, 10));
        p.drawLine(QPointF(11, 1), QPointF(5, 10));
        p.setPen(QPen(QColor(180, 30, 30), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1.5, 10, 4, 4));
        p.drawEllipse(QRectF(9.5, 10, 4, 4));
    } else if (name == QLatin1String("copy")) {
        DrawPage(p, QRectF(1, 1, 8, 10));
        DrawPage(p, QRectF(6, 4, 8, 10));
    } else if (name == QLatin1String("paste")) {
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(190, 140, 70));
        p.drawRoundedRect(QRectF(1, 2, 10, 12), 1, 1);
        p.setBrush(QColor(160, 160, 170));
        p.drawRect(QRectF(3.5, 0.5, 5, 3));
        DrawPage(p, QRectF(6, 6, 8, 9));
    }
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(RadioPicture(size));
    return icon;
}

QPixmap BannerPixmap()
{
    const int w = 283, h = 50;
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::black);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The radio's face: a dark panel with two amber band displays.
    QLinearGradient face(0, 0, 0, h);
    face.setColorAt(0, QColor(72, 78, 90));
    face.setColorAt(1, QColor(22, 24, 30));
    p.setPen(QPen(QColor(110, 116, 128), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(44.5, 3.5, 236, 43), 6, 6);

    QFont digits(QStringLiteral("Courier New"));
    digits.setStyleHint(QFont::TypeWriter);
    digits.setPixelSize(17);
    digits.setBold(true);
    p.setFont(digits);
    const QRectF displays[2] = {QRectF(54, 10, 92, 30), QRectF(154, 10, 92, 30)};
    const char *texts[2] = {"145.000", "440.000"};
    for (int i = 0; i < 2; ++i) {
        QLinearGradient lcd(0, displays[i].top(), 0, displays[i].bottom());
        lcd.setColorAt(0, QColor(255, 196, 80));
        lcd.setColorAt(1, QColor(235, 150, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(lcd);
        p.drawRoundedRect(displays[i], 3, 3);
        p.setPen(QColor(70, 35, 0));
        p.drawText(displays[i], Qt::AlignCenter, QLatin1String(texts[i]));
    }
    // Knob.
    p.setPen(QPen(QColor(40, 40, 45), 1));
    p.setBrush(QColor(190, 195, 205));
    p.drawEllipse(QRectF(254, 14, 20, 20));
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.drawLine(QPointF(264, 16), QPointF(264, 22));

    // Radio waves on the left.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(70, 170, 255, 255 - i * 60), 2.5, Qt::SolidLine, Qt::RoundCap));
        const double r = 8 + i * 8;
        p.drawArc(QRectF(40 - r, 25 - r, 2 * r, 2 * r), 120 * 16, 120 * 16);
    }
    return pixmap;
}

QIcon ToolIcon(const QString &name)
{
    return QIcon(ToolPicture(name));
}
