// The report's JSON always parses, whatever bytes a module put into a reason.
#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <sstream>
#include <string>

#include "aaxhost/validate/ValidationReport.h"
#include "support/StringPrinting.h"

namespace {

using aaxhost::validate::CheckResult;
using aaxhost::validate::Outcome;
using aaxhost::validate::Report;

TEST(ReportJsonText, ReadsBackAsTheCheckWroteItOrWithReplacementCharacters) {
    const struct {
        const char* label;
        std::string detail;    // as a check reported it
        std::string expected;  // as a JSON reader gives it back
    } rows[] = {{"Quotes", "parameter \"Gain\" is 0.5", "parameter \"Gain\" is 0.5"},
                {"ControlCharacters",
                 std::string("a\tb\nc\x01"
                             "d\x7f",
                             8),
                 std::string("a\tb\nc\x01"
                             "d\x7f",
                             8)},
                {"Utf8", "\xE2\x80\x94 gr\xC3\xBC\xC3\x9F", "\xE2\x80\x94 gr\xC3\xBC\xC3\x9F"},
                {"StrayByte", "x\xFFy", "x\xEF\xBF\xBDy"},
                {"CutSequence", "x\xE2\x80", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
                {"Surrogate", "x\xED\xA0\x80y", "x\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDy"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Report report;
        report.module = "C:\\bundles\\Fx.aaxplugin";
        report.seed = 18446744073709551615ull;
        report.checks.push_back(CheckResult{"state", "round-trip", Outcome::Failed, row.detail, 0.25});
        report.fatalErrors.push_back(row.detail);
        std::istringstream json(aaxhost::validate::FormatJsonReport(report));
        boost::property_tree::ptree tree;
        ASSERT_NO_THROW(boost::property_tree::read_json(json, tree)) << json.str();
        EXPECT_EQ(tree.get<std::string>("checks..detail"), row.expected);
        EXPECT_EQ(tree.get<std::string>("module"), "C:\\bundles\\Fx.aaxplugin");
        EXPECT_EQ(tree.get<std::string>("seed"), "18446744073709551615");
        EXPECT_EQ(tree.get<std::string>("passed"), "false");
    }
}

TEST(ValidationReport, TextVerdictFollowsTheFailedChecksOnly) {
    Report report;
    report.checks.push_back(CheckResult{"load", "register", Outcome::Passed, "ok", 0.5});
    report.checks.push_back(CheckResult{"editor", "open", Outcome::Skipped, "no editor", 0.0});
    EXPECT_NE(aaxhost::validate::FormatTextReport(report).find("1 passed, 0 failed, 1 skipped in 0.50 s: PASSED"),
              std::string::npos);
    report.checks.push_back(CheckResult{"state", "compare", Outcome::Failed, "differs", 1.0});
    const std::string text = aaxhost::validate::FormatTextReport(report);
    EXPECT_NE(text.find("FAIL state/compare (1.00 s) \xE2\x80\x94 differs\n"), std::string::npos) << text;
    EXPECT_NE(text.find("1 passed, 1 failed, 1 skipped in 1.50 s: FAILED"), std::string::npos) << text;
}

}  // namespace
