// The records are checked by their static_asserts; these tests cover the two things
// around them that run: the bounded texts and the typed request wrapper.

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

struct SeenCall {
    std::uint32_t magic, selector, argument;
    std::uint64_t instance;
    void* record;
};
SeenCall g_seen;

std::uint32_t RecordingCore(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument, std::uint64_t instance,
                            void* record) {
    g_seen = {magic, selector, argument, instance, record};
    return 7;
}

TEST(CoreRequest, SendsMagicSelectorAndTheCallersRecord) {
    StateRequest state{};
    EXPECT_EQ(SendCoreRequest<CoreSelector::State>(RecordingCore, 1, 0x1234, state), 7u);
    EXPECT_EQ(g_seen.magic, 1090u);
    EXPECT_EQ(g_seen.selector, 32u);
    EXPECT_EQ(g_seen.argument, 1u);
    EXPECT_EQ(g_seen.instance, 0x1234u);
    EXPECT_EQ(g_seen.record, &state);

    SendCoreRequest<CoreSelector::DestroyInstance>(RecordingCore, 1, 5);
    EXPECT_EQ(g_seen.selector, 7u);
    EXPECT_EQ(g_seen.record, nullptr);

    char own[16];
    SendCoreRequest<CoreSelector::Request31>(RecordingCore, 1, 5, own);
    EXPECT_EQ(g_seen.selector, 31u);
    EXPECT_EQ(g_seen.record, own);
}

TEST(CoreRequest, SelectorsHaveNamesForMessages) {
    EXPECT_STREQ(CoreSelectorName(23), "ProcessBlock");
    EXPECT_STREQ(CoreSelectorName(0), "StaticInfo");
    EXPECT_STREQ(CoreSelectorName(42), "Notify");
    EXPECT_STREQ(CoreSelectorName(2), "Unknown");
    EXPECT_STREQ(CoreSelectorName(0xFFFFFFFFu), "Unknown");
}

}  // namespace
