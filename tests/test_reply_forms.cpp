// The forms of the radio's read replies: what the radio sends for full and
// empty items passes, garbage and cut lines fail with the command named.
#include "radio/Protocol.h"
#include "radio/ReplyForms.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace Protocol;

namespace {

QString Problem(TTransferStep step, const char *line, int slot = 0, int sub = 0)
{
    return ReadReplyProblem(step, QByteArray(line) + '\r', slot, sub);
}

} // namespace

TEST(ReplyForms, RadioTypeAndBandLimits)
{
    // Fields 0 and 3 are not interpreted: any text; so is the sub-variant
    // beyond its comparison with "05". Trailing fields may be left off ("a
    // field beyond the end of the text is empty") or added; the whole type
    // fills at most its 19-character slot.
    for (const char *type : {"0,2,00,1,1,,", "0,0,00,1,1,1,1", "0,3,05,1,0,1,2", "A1,1,00,B,,,", "000,2,00,1,1,,",
                             "EU-B,2,A5,x y,1,1,1", "0,2,-1,,,,", "0,2", "0,2,00,1", "0,2,00,1,1,",
                             "0,2,00,1,1,,,X", "0,2,0,1,1,,", "0,2,00,1,1,A,"})
        EXPECT_TRUE(IsRadioTypeReply(QLatin1String(type))) << type;
    // No variant digit, a band flag of two characters, control characters,
    // a type longer than its slot.
    for (const char *type : {"", "0", "0,X,00,1,1,,", "0,22,00,1,1,,", "0,2,00,1,11,,", "0,2,00,1,1,,10",
                             "EU-BC,2,A5,x y,1,1,1", "0,2,00,1,1,,\x1b", "\x1b,2,00,1,1,,"})
        EXPECT_FALSE(IsRadioTypeReply(QLatin1String(type))) << type;

    EXPECT_TRUE(IsBandLimitReply(QStringLiteral("00136,00173")));
    EXPECT_TRUE(IsBandLimitReply(QStringLiteral("00118,00135,00136,00173,00300,00399,00410,00469,00800,00999")));
    for (const char *limits : {"", "00136", "00136,00173,00410", "0136,00173", "00136,0017X", "00173,00136",
                               "00136,00173,", "00136,00173 "})
        EXPECT_FALSE(IsBandLimitReply(QLatin1String(limits))) << limits;
}

TEST(ReplyForms, RepliesOfAFullRadioPass)
{
    EXPECT_EQ(Problem(tsTYD, "TYD 0,2,00,1,1,,"), QString());
    EXPECT_EQ(Problem(tsFL, "FL 00118,00135,00136,00173,00410,00469"), QString());
    EXPECT_EQ(Problem(tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_EQ(Problem(tsMemorySplit, "MR 0,1,007,00145600000,5", 7), QString());
    EXPECT_EQ(Problem(tsMemoryName, "MNA 0,007,AB.C", 7), QString());
    EXPECT_EQ(Problem(tsMemoryLU, "MR 0,0,U6,00435000000,6,0,0,0,0,,09,,09,,0", 192), QString());
    EXPECT_EQ(Problem(tsMemoryPR, "MR 0,0,PR,00435000000,6,0,0,0,0,,09,,09,,0", 193), QString());
    EXPECT_EQ(Problem(tsNamePR, "MNA 0,PR,HOME", 193), QString());
    EXPECT_EQ(Problem(tsCall, "CR 1,0,00435000000,6,0,0,0,0,,09,,09,", 0, 1), QString());
    EXPECT_EQ(Problem(tsCallSplit, "CR 1,1,00440000000,6", 0, 1), QString());
    EXPECT_EQ(Problem(tsVfo, "VR 6,00435000000,6,1,0,0,0,,09,,09,005000000", 0, 3), QString());
    EXPECT_EQ(Problem(tsVfoPower, "PC 1,2", 0, 3), QString());
    EXPECT_EQ(Problem(tsDtmf, "DM 04,12E4F", 4), QString());
}

TEST(ReplyForms, EveryFormOfAnEmptyItemPasses)
{
    // "Replies shorter than the dropped prefix leave an empty reply text;
    // the length rules of the read table then treat the item as empty."
    // Radios say "empty" as a single "N", a "?", an empty line or a cut
    // echo of the command; each is accepted for every read that can be
    // empty, whatever its characters.
    struct Item {
        TTransferStep step;
        int slot;
        int sub;
    };
    const Item items[] = {
        {tsMemory, 2, 0},      // "fewer than 5 characters means the slot is empty"
        {tsMemorySplit, 2, 0}, // "empty means no split transmit frequency"
        {tsMemoryName, 2, 0},  // an empty name
        {tsMemoryLU, 181, 0},  // "4 characters or fewer means empty"
        {tsMemoryPR, 193, 0},  // "4 characters or fewer means empty"
        {tsNamePR, 193, 0},
        {tsCall, 0, 0},        // stored even "with nearly empty texts"
        {tsCallSplit, 0, 1},   // "empty means none"
        {tsVfo, 0, 2},         // "VR 5": "1 character or less means none"
        {tsVfo, 0, 4},         // "VR 8", a band the default radio lacks
        {tsVfoPower, 0, 1},
        {tsDtmf, 3, 0},        // stored "in any case"
    };
    for (const Item &item : items) {
        const QByteArray cutEcho = ReadCommand(item.step, item.slot, item.sub).toLatin1();
        for (const QByteArray &form : {QByteArray("N"), QByteArray("?"), QByteArray(), cutEcho}) {
            for (const QByteArray &end : {QByteArray("\r"), QByteArray("\r\n")}) {
                const QByteArray line = form + end;
                EXPECT_EQ(ReadReplyProblem(item.step, line, item.slot, item.sub), QString())
                    << cutEcho.constData() << " answered \"" << form.constData() << '"';
            }
        }
    }
}

TEST(ReplyForms, EveryPermittedFormOfDataPasses)
{
    struct Case {
        TTransferStep step;
        const char *line;
        int slot;
        int sub;
    };
    const Case cases[] = {
        // Split: "MR 0,1,002,," holds both split fields empty, the same
        // record as an empty split reply ("S is replaced by \",\"").
        {tsMemorySplit, "MR 0,1,002,,", 2, 0},
        {tsCallSplit, "CR 0,1,,", 0, 0},
        // "a reply that starts with 7 or more blanks counts as no name".
        {tsMemoryName, "MNA 0,002,       ", 2, 0},
        {tsNamePR, "MNA 0,PR,       ", 193, 0},
        // "six blanks followed by a letter is stored with its blanks".
        {tsMemoryName, "MNA 0,002,      A", 2, 0},
        // A DTMF memory with no code: "DM 03" alone, or with its comma.
        {tsDtmf, "DM 03", 3, 0},
        {tsDtmf, "DM 03,", 3, 0},
        // Radio type fields 0 and 3 are "not interpreted"; the sub-variant
        // is "two characters"; the type holds "at most 19 characters".
        {tsTYD, "TYD EU,2,00,B7,1,1,", 0, 0},
        {tsTYD, "TYD 0,3,A5,1,1,,", 0, 0},
        {tsTYD, "TYD MKT,1,05,XYZ,1,1,2", 0, 0},
        // "PC": the power code follows five characters that are dropped
        // unread, whatever they are.
        {tsVfoPower, "PC 1,2", 0, 1},
        {tsVfoPower, "pc 0:3", 0, 1},
        // Field 7 (and 9) "carried unchanged".
        {tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,AB,09,x,09,,0", 7, 0},
        {tsCall, "CR 0,0,00145000000,5,0,0,0,0,7,09,,09,", 0, 0},
        // Line feeds are discarded like carriage returns, before or after.
        {tsMemory, "\nMR 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0\r\n", 7, 0},
    };
    for (const Case &c : cases) {
        QByteArray line(c.line);
        if (!line.endsWith('\n'))
            line += '\r';
        EXPECT_EQ(ReadReplyProblem(c.step, line, c.slot, c.sub), QString()) << c.line;
    }
}

TEST(ReplyForms, GarbageAndCutRepliesFail)
{
    // A truncated radio type reply, a type of the wrong form.
    EXPECT_NE(Problem(tsTYD, "TYD"), QString());
    EXPECT_NE(Problem(tsTYD, "TYD 0"), QString());
    EXPECT_NE(Problem(tsTYD, "TYX 0,2,00,1,1,,"), QString());
    EXPECT_NE(Problem(tsFL, "FL 00136,001"), QString());
    // Memory replies: a frequency field that is not 11 digits, another
    // slot's label, a missing field, a wrong echo, random text.
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,0014500000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,0014500000X,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,008,00145000000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,,09,,09,", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MX 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "x7#kQ!p2Lm0123", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,00145000000,Z,0,0,0,0,,XX,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemoryLU, "MR 0,0,L2,00435000000,6,0,0,0,0,,09,,09,,0", 181), QString());
    EXPECT_NE(Problem(tsMemorySplit, "MR 0,1,007,0014560000,5", 7), QString());
    EXPECT_NE(Problem(tsMemorySplit, "MR 0,1,007,00145600000,5,1", 7), QString());
    EXPECT_NE(Problem(tsMemoryName, "MNA 0,007,A,B", 7), QString());
    EXPECT_NE(Problem(tsMemoryName, "MNA 0,007,ABCDEFGHIJKLMNOP", 7), QString());
    EXPECT_NE(Problem(tsCall, "CR 0,0,00145000000,5", 0, 0), QString());
    // Free text in the offset field would run the record past its slot.
    EXPECT_NE(Problem(tsCall, "CR 1,0,00435000000,6,0,7,0,0,0,,09,,Accccccccccccccccccccccccccccccccccccc", 0, 1),
              QString());
    EXPECT_NE(Problem(tsVfo, "VR 6,00435000000,6,1,0,0,0,,09,,09,0050000", 0, 3), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,\x1b,09,,09,,0", 7), QString());
    // Carried text so long that the record would no longer fit its slot.
    EXPECT_NE(Problem(tsCall, "CR 1,0,00435000000,6,0,0,0,0,,09,ppppppppp,09,", 0, 1), QString());
    EXPECT_NE(Problem(tsVfo, "VR 6,00145000000,5,0,0,0,0,,09,,09,000600000", 0, 1), QString());
    EXPECT_NE(Problem(tsVfo, "VR 2,00145000000,5,0,0,0,0,,09,,09", 0, 1), QString());
    EXPECT_NE(Problem(tsVfoPower, "PC 0,7", 0, 1), QString());
    EXPECT_NE(Problem(tsDtmf, "DM 04,XYZ<>?!", 4), QString());
    EXPECT_NE(Problem(tsDtmf, "DM 05,123", 4), QString());
    // Cut at the read buffer: 300 characters of a memory reply.
    QByteArray overlong("MR 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0");
    while (overlong.size() < 300)
        overlong += "0123456789,";
    EXPECT_NE(ReadReplyProblem(tsMemory, overlong + '\r', 7, 0), QString());
}

TEST(ReplyForms, StepsJudgedElsewherePassWhateverCame)
{
    // Identification has its own rules; the reply after Cancel is dropped.
    EXPECT_EQ(Problem(tsAI, "garbage"), QString());
    EXPECT_EQ(Problem(tsID, "garbage"), QString());
    EXPECT_EQ(Problem(tsCancelled, "garbage"), QString());
}
