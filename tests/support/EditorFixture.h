// Fixture for the record editor tests: a stand-in document host in place
// of the main window, the message boxes answered from a queue and
// recorded, and helpers that drive the controls as a user does. Header
// only: it needs the windows, which only the test_ui_* programs link.
#pragma once

#include "FakeDocumentHost.h"
#include "TestSettings.h"
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QTest>

#include <memory>
#include <ostream>

// Failure output shows texts as texts.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        host_.StartLikeTheMainWindow();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.append(request);
            if (request.buttons == Dialogs::Buttons::Ok)
                return Dialogs::Answer::Ok;
            if (answers.isEmpty()) {
                ADD_FAILURE() << "unexpected question: " << request.text.toStdString();
                return Dialogs::Answer::No;
            }
            return answers.takeFirst();
        });
    }

    void TearDown() override
    {
        EXPECT_TRUE(answers.isEmpty()) << "questions that were never asked: " << answers.size();
        Dialogs::ResetResponders();
    }

    // The host the editors are built on, and its document.
    FakeDocumentHost &Host() { return host_; }
    TChannelDocument &Doc() { return host_.Document(); }

    // A radio type with the default band limits of the bands it has.
    void SetRadioType(const QString &type)
    {
        Doc().SetRadioType(type);
        for (int band = 0; band < 5; ++band)
            Doc().SetBandLimit(band, BandPresent(Doc(), band) ? DefaultBandLimit(band) : QString());
        host_.RebuildVfoRows();
    }

    void Select(int list, int row) { host_.SelectRow(list, row); }

    // Answers for the coming questions, in order.
    void Answer(std::initializer_list<Dialogs::Answer> list)
    {
        for (Dialogs::Answer a : list)
            answers.append(a);
    }

    // Texts of the message boxes shown since the last call.
    QStringList TakeMessages()
    {
        QStringList texts;
        for (const Dialogs::MessageRequest &request : std::as_const(messages))
            texts.append(request.text);
        messages.clear();
        return texts;
    }

    // Replaces a field's text by typing.
    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    // Picks a list entry with the arrow keys, as a user on the keyboard does.
    static void Pick(QComboBox *list, int index)
    {
        for (int guard = 0; guard < 100 && list->currentIndex() < index; ++guard)
            QTest::keyClick(list, Qt::Key_Down);
        for (int guard = 0; guard < 100 && list->currentIndex() > index; ++guard)
            QTest::keyClick(list, Qt::Key_Up);
    }

    static void Pick(QComboBox *list, const QString &text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        Pick(list, index);
    }

    static constexpr Dialogs::Answer Yes = Dialogs::Answer::Yes;
    static constexpr Dialogs::Answer No = Dialogs::Answer::No;

    QList<Dialogs::MessageRequest> messages;
    QList<Dialogs::Answer> answers;

private:
    FakeDocumentHost host_;
};

// Message texts as the user sees them.
namespace ShownText {
inline const QString AskOnClose = QStringLiteral("The contents has been changed.\nDo you want to change? ");
inline const QString AskOnMove = QStringLiteral("The contents has been changed.\nDo you want to change?");
inline const QString InvalidFrequency = QStringLiteral("Invalid Frequency.\nPlease check and try again.");
inline const QString InvalidOffset = QStringLiteral("Invalid Offset.\nPlease check and try again.");
inline const QString InvalidName = QStringLiteral("Invalid Memory name.\nPlease check and try again.");
inline const QString Rounded = QStringLiteral("Frequency is rounded.");
inline const QString InvalidChannel = QStringLiteral("Invalid channel Number.\nPlease check and try again.");
inline const QString InvalidCharacter = QStringLiteral("Invalid character.\nPlease check and try again.");
} // namespace ShownText
