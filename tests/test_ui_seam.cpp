// The real message boxes and file dialogs behind the dialog seam: what
// Escape and the close box do, and that a save dialog confirms replacing.
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs step on the modal box once it is shown (from inside its own loop).
void OnModal(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(50, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(modal);
    });
}

QAbstractButton *ButtonOf(QWidget *box, QMessageBox::StandardButton which)
{
    auto *message = qobject_cast<QMessageBox *>(box);
    return message ? message->button(which) : nullptr;
}

} // namespace

TEST(DialogSeam, EscapeNeverAnswersNoToAQuestion)
{
    Dialogs::ResetResponders();
    // Yes/No: Escape and the close box leave the question open; only a
    // button answers it.
    bool stillOpen = false;
    OnModal([&](QWidget *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        QPointer<QWidget> guard(box);
        QTimer::singleShot(50, [&stillOpen, guard] {
            stillOpen = guard && guard->isVisible();
            if (stillOpen)
                ButtonOf(guard, QMessageBox::Yes)->click();
        });
    });
    EXPECT_EQ(Dialogs::Message(nullptr, QStringLiteral("Question?"), Dialogs::Icon::Question,
                               Dialogs::Buttons::YesNo),
              Dialogs::Answer::Yes);
    EXPECT_TRUE(stillOpen);
    QTest::qWait(100);

    // Yes/No/Cancel: Escape is Cancel.
    OnModal([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(Dialogs::Message(nullptr, QStringLiteral("Data is changed.\nDo you want to save the changes?"),
                               Dialogs::Icon::Warning, Dialogs::Buttons::YesNoCancel),
              Dialogs::Answer::Cancel);

    // OK boxes close with Escape as ever.
    OnModal([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(Dialogs::Message(nullptr, QStringLiteral("Notice."), Dialogs::Icon::Information),
              Dialogs::Answer::Ok);
}

TEST(DialogSeam, SaveDialogAsksBeforeReplacingAFile)
{
    Dialogs::ResetResponders();
    for (bool save : {true, false}) {
        bool confirms = false;
        OnModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->reject();
        });
        Dialogs::FileRequest request;
        request.save = save;
        request.caption = QStringLiteral("Save As");
        EXPECT_TRUE(Dialogs::FileDialog(nullptr, request).isEmpty());
        if (save)
            EXPECT_TRUE(confirms);
    }
}
