#pragma once
// The validator's report: one line per check and a verdict, as text for people or as
// one JSON object for CI. Pure formatting, no Windows calls. [any-thread]
//
// Text:
//   aaxhost validate <module>
//   strictness 5, seed 1
//   counts: loadCycles 1000, instances 64, ...   (ValidationCounts.h)
//   PASS load/register (0.12 s) — <what was covered>
//   FAIL state/round-trip (0.40 s) — <reason>
//   SKIP editor/open-close (0.00 s) — <why>
//   Fatal Error box: <text>            (one line per box seen)
//   12 passed, 1 failed, 2 skipped in 3.10 s: FAILED
//
// JSON: {"module", "strictness", "seed", "counts": {"loadCycles": 1000, ...}, "checks": [{"group", "name", "outcome",
// "detail", "seconds"}], "fatalErrors": [...], "passed"}; the seed is a JSON number
// (every seed below 2^53 is exact), texts are escaped UTF-8.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

struct Report {
    std::string module;  // UTF-8
    int strictness = 5;
    std::uint64_t seed = 1;
    std::vector<std::pair<std::string, std::int64_t>> counts;  // NamedCounts; none: no line
    std::vector<CheckResult> checks;
    std::vector<std::string> fatalErrors;  // texts of the "Fatal Error" boxes seen
};

// No check failed.
bool ReportPassed(const Report& report) noexcept;

std::string FormatTextReport(const Report& report);
std::string FormatJsonReport(const Report& report);

// `text` as a JSON string literal, quotes included. Bytes that are not valid UTF-8 are
// written as U+FFFD, so the output always parses.
std::string JsonQuoted(const std::string& text);

}  // namespace aaxhost::validate
