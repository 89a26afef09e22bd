#include "Welcome.h"

#include "ui/Artwork.h"
#include "ui/FitText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kSplashMs = 3000;

QFont TitleFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}
} // namespace

TWelcome::TWelcome(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Welcome"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("Welcome"));
    setWindowIcon(ProgramIcon());
    setFixedSize(322, 139);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    setFont(font);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    const QPixmap banner = BannerPixmap();
    Image1->setPixmap(banner);
    Image1->setGeometry(19, 8, 283, 50);

    Label1 = new QLabel(QStringLiteral("VXL-R381"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(TitleFont());
    // Both lines keep the left edge they start at on the right, too.
    Label1->setGeometry(122, 72, 322 - 2 * 122, Label1->sizeHint().height());

    Label2 = new QLabel(tr("Memory Channel Editor for QV-R381"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(TitleFont());
    Label2->setGeometry(29, 100, 322 - 2 * 29, Label2->sizeHint().height());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kSplashMs);
    connect(Timer1, &QTimer::timeout, this, &TWelcome::Timer1Timer);
    FitText::FitFormToText(this);
}

void TWelcome::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // The hand-over counts from the moment the splash appears.
    Timer1->start();
}

void TWelcome::Timer1Timer()
{
    Timer1->stop();
    hide(); // stays alive, hidden, as the principal window
    emit HandOver();
}

void TWelcome::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    event->accept();
    emit Closed();
}
