// The records are checked by their static_asserts; these tests cover what runs
// around them: the bounded texts and the selector names of messages.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "contract/CoreRequest.h"
#include "contract/EditorEvent.h"
#include "contract/GestureRecord.h"
#include "contract/HookCallbackRecords.h"
#include "contract/HostInfoRecord.h"
#include "contract/RecordText.h"
#include "support/StringPrinting.h"

namespace {

TEST(RecordText, LongTextIsCutSoItsNulStillFitsTheField) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    WriteRecordText(field, Util::String("0123456789"));
    EXPECT_STREQ(field, "0123456");
    WriteRecordText(field, Util::String());  // a null text writes an empty one
    EXPECT_STREQ(field, "");
}

TEST(RecordText, ReadingStopsAtTheFieldEndWithoutNul) {
    struct {
        char field[4];
        char next[4];
    } record;
    std::memcpy(record.field, "abcd", 4);
    std::memcpy(record.next, "XYZ", 4);
    EXPECT_EQ(ReadRecordText(record.field), Util::String("abcd"));
    std::memcpy(record.field, "ab\0d", 4);
    EXPECT_EQ(ReadRecordText(record.field), Util::String("ab"));
}

TEST(CoreRequest, SelectorsHaveNamesForMessages) {
    EXPECT_STREQ(CoreSelectorName(23), "ProcessBlock");
    EXPECT_STREQ(CoreSelectorName(0), "StaticInfo");
    EXPECT_STREQ(CoreSelectorName(42), "Notify");
    EXPECT_STREQ(CoreSelectorName(2), "Unknown");
    EXPECT_STREQ(CoreSelectorName(0xFFFFFFFFu), "Unknown");
}

}  // namespace
