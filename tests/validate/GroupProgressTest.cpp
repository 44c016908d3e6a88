// What a check group's process writes survives the trip to the validator: texts with
// tabs, line breaks and backslashes come back as they were, the check that was running
// when the process died is named, and a line cut short by its death is left out.
#include <gtest/gtest.h>

#include "aaxhost/validate/GroupProgress.h"

using namespace aaxhost::validate;

namespace {

TEST(GroupProgress, ResultsComeBackAndTheRunningCheckIsNamed) {
    CheckResult failed;
    failed.group = "state";
    failed.name = "bad-chunks";
    failed.outcome = Outcome::Failed;
    failed.detail = "tab\there, line\nbreak, back\\slash, \\t literally, CR\r";
    failed.seconds = 1.25;
    const std::string text = StartedLine(4, "state", "round-trip") + RecordedLine(4, failed) + BoxLine("box\ttext") +
                             StartedLine(5, "state", "compare") + "recorded\t5\tstate\tcomp";
    const GroupProgress progress = ParseGroupProgress(text);
    ASSERT_EQ(progress.results.size(), 1u);
    EXPECT_EQ(progress.results[0].detail, failed.detail);
    EXPECT_EQ(progress.results[0].outcome, Outcome::Failed);
    EXPECT_DOUBLE_EQ(progress.results[0].seconds, 1.25);
    EXPECT_EQ(progress.boxes, std::vector<std::string>{"box\ttext"});
    EXPECT_EQ(progress.runningGroup + "/" + progress.runningName, "state/compare");
    EXPECT_EQ(progress.lastNumber, 5);
    EXPECT_FALSE(progress.finished);
    EXPECT_TRUE(ParseGroupProgress(text + "\n" + UnloadableLine() + FinishedLine()).finished);
}

TEST(GroupProgress, ProcessEndsAreNamed) {
    EXPECT_EQ(DescribeProcessEnd(3), "exit code 3 (abort)");
    EXPECT_EQ(DescribeProcessEnd(0xC0000005ul), "exception 0xC0000005 (access violation)");
    EXPECT_EQ(DescribeProcessEnd(0xC00000FDul), "exception 0xC00000FD (stack overflow)");
    EXPECT_EQ(DescribeProcessEnd(7), "exit code 7");
}

}  // namespace
