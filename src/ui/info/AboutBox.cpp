#include "AboutBox.h"

#include "data/ProgramVersion.h"
#include "ui/Artwork.h"
#include "ui/FitText.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("About VXL-R381"));
    setFixedSize(298, 164);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    setFont(font);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 113);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(20, 24, 32, 32);
    ProgramIcon->setPixmap(::ProgramIcon().pixmap(32, 32));

    ProductName = new QLabel(tr("QV-R381 Memory Editor"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    // The texts reach up to the panel's right border.
    ProductName->setGeometry(72, 16, 201, ProductName->sizeHint().height());

    Version = new QLabel(tr("Version %1").arg(QLatin1String(kProgramVersion)), Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(72, 40, 201, Version->sizeHint().height());

    Copyright = new QLabel(tr("Copyright (C) HALVORD. All rights reserved."), Panel1);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setGeometry(25, 80, 248, Copyright->sizeHint().height());

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 131, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    OKButton->setAccessibleDescription(tr("Closes the About box."));
    setAccessibleDescription(tr("Program name, version and copyright."));
    FitText::FitFormToText(this);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKButton->setFocus();
}
