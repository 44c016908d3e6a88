#include <gtest/gtest.h>

#include "support/StringPrinting.h"
#include "util/FileName.h"

using Util::FileNameOf;
using Util::String;

TEST(FileNameRule, TakesTextAfterTheLaterOfEitherSeparator) {
    EXPECT_EQ(FileNameOf(String("C:\\Program Files/Host\\Host.exe")), String("Host.exe"));
    EXPECT_EQ(FileNameOf(String("C:/a\\b/core.dll")), String("core.dll"));
    EXPECT_EQ(FileNameOf(String("dir/name/")), String("name"));  // trailing separators stripped first
    EXPECT_EQ(FileNameOf(String("x.dll")), String("x.dll"));
    EXPECT_EQ(FileNameOf(String("C:x.dll")), String("x.dll"));  // drive prefix without separator
}

TEST(FileNameRule, NothingLeftIsNull) {
    EXPECT_TRUE(FileNameOf(String("/")).IsNull());
    EXPECT_TRUE(FileNameOf(String("C:")).IsNull());
    EXPECT_TRUE(FileNameOf(String("")).IsNull());
    EXPECT_TRUE(FileNameOf(String()).IsNull());
}
