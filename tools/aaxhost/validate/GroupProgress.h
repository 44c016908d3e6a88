#pragma once
// GroupProgress: what a check group's own process tells the validator it runs for, one
// line at a time in a file, so that whatever it wrote before it died is known: a check
// about to run, each result, the Fatal Error boxes seen, that the module could not be
// loaded at all, and that the group finished. Fields are separated by tabs; a backslash,
// tab, line feed or carriage return in a text is escaped ("\\", "\t", "\n", "\r").
// Pure. [any-thread]

#include <string>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

std::string StartedLine(int number, const std::string& group, const std::string& name);
std::string RecordedLine(int number, const CheckResult& result);
std::string BoxLine(const std::string& text);
std::string UnloadableLine();
std::string FinishedLine();

struct GroupProgress {
    std::vector<CheckResult> results;  // in the order they were recorded
    std::vector<std::string> boxes;
    bool unloadable = false;
    bool finished = false;
    int lastNumber = -1;  // the highest check number started or recorded
    // The check that started and has no result: the one that was running when the
    // process ended (group/name empty when none).
    std::string runningGroup;
    std::string runningName;
};

// Reads the lines of `text`; a last line cut short (no line feed) is left out, and so
// is any line it cannot read.
GroupProgress ParseGroupProgress(const std::string& text);

// Why a process ended with `exitCode`: "exit code 3 (abort)", "exception 0xC0000005
// (access violation)", "exit code 7".
std::string DescribeProcessEnd(unsigned long exitCode);

}  // namespace aaxhost::validate
