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
    for (const char *type : {"0,2,00,1,1,,", "0,0,00,1,1,1,1", "0,3,05,1,0,1,2", "A1,1,00,B,,,"})
        EXPECT_TRUE(IsRadioTypeReply(QLatin1String(type))) << type;
    // Cut lines ("TYD" alone, half a type), too many fields, letters where
    // digits belong, a text the length of a slot.
    for (const char *type : {"", "0,2", "0,2,00,1,1,", "0,2,00,1,1,,,", "0,X,00,1,1,,", "0,2,0,1,1,,",
                             "0,2,00,1,11,,", "0,2,00,1,1,,X", "000,2,00,1,1,,", "0,2,00,1,1,,\x1b"})
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

TEST(ReplyForms, EmptyItemFormsPass)
{
    // The radio answers an empty item with the bare echo of its command.
    EXPECT_EQ(Problem(tsMemory, "MR 0,0,002", 2), QString());
    EXPECT_EQ(Problem(tsMemorySplit, "MR 0,1,002", 2), QString());
    EXPECT_EQ(Problem(tsMemoryName, "MNA 0,002,       ", 2), QString());
    EXPECT_EQ(Problem(tsMemoryLU, "MR 0,0,L1", 181), QString());
    EXPECT_EQ(Problem(tsMemoryPR, "MR 0,0,PR", 193), QString());
    EXPECT_EQ(Problem(tsNamePR, "MNA 0,PR,       ", 193), QString());
    EXPECT_EQ(Problem(tsCall, "CR 0,0", 0, 0), QString());
    EXPECT_EQ(Problem(tsCallSplit, "CR 0,1", 0, 0), QString());
    EXPECT_EQ(Problem(tsVfo, "VR 8", 0, 4), QString());
    EXPECT_EQ(Problem(tsVfoPower, "PC 0,", 0, 1), QString());
    EXPECT_EQ(Problem(tsDtmf, "DM 09,", 9), QString());
    // A reply shorter than the echo is still the start of it.
    EXPECT_EQ(Problem(tsMemory, "MR", 2), QString());
    EXPECT_EQ(Problem(tsDtmf, "", 3), QString());
}

TEST(ReplyForms, GarbageAndCutRepliesFail)
{
    // A truncated radio type reply, a type of the wrong form.
    EXPECT_NE(Problem(tsTYD, "TYD"), QString());
    EXPECT_NE(Problem(tsTYD, "TYD 0,2"), QString());
    EXPECT_NE(Problem(tsTYD, "TYX 0,2,00,1,1,,"), QString());
    EXPECT_NE(Problem(tsFL, "FL 00136,001"), QString());
    // Memory replies: a frequency field that is not 11 digits, another
    // slot's label, a missing field, a wrong echo, random text.
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,0014500000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,0014500000X,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,008,00145000000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,,09,,09,", 7), QString());
    EXPECT_NE(Problem(tsMemory, "MX 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0", 7), QString());
    EXPECT_NE(Problem(tsMemory, "x7#kQ!p2Lm", 7), QString());
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
    EXPECT_NE(Problem(tsMemory, "MR 0,0,007,00145000000,5,0,0,0,0,X,09,,09,,0", 7), QString());
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
