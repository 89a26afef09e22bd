#include "data/ChannelDocument.h"

#include <gtest/gtest.h>

TEST(Smoke, DocumentStartsEmpty)
{
    TChannelDocument doc;
    EXPECT_TRUE(doc.Record(rkMemory, 2).isEmpty());
}
