#include "Artwork.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

// Resources of a static library must be registered by hand.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace {
void EnsureIconResources()
{
    static const bool registered = [] {
        InitIconResources();
        return true;
    }();
    Q_UNUSED(registered);
}
} // namespace

QIcon ProgramIcon()
{
    EnsureIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/program/%1.png").arg(size), QSize(size, size));
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
    // The 16-pixel picture and its double-size version for high-density
    // screens; an unknown name gives an empty icon.
    EnsureIconResources();
    const QString base = QStringLiteral(":/icons/tools/") + name;
    if (!QFile::exists(base + QStringLiteral(".png")))
        return QIcon();
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"), QSize(16, 16));
    icon.addFile(base + QStringLiteral("@2x.png"), QSize(32, 32));
    return icon;
}
