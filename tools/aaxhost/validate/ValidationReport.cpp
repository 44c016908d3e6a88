#include "aaxhost/validate/ValidationReport.h"

#include <cstdio>

namespace aaxhost::validate {

namespace {

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", seconds < 0.0 ? 0.0 : seconds);
    return text;
}

const char* OutcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Passed: return "PASS";
    case Outcome::Failed: return "FAIL";
    case Outcome::Skipped: return "SKIP";
    }
    return "FAIL";
}

// The length of the valid UTF-8 sequence that starts at text[at], 0 when none does.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        minimum = 0x10000;
    } else
        return 0;
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

bool ReportPassed(const Report& report) noexcept {
    for (const CheckResult& check : report.checks)
        if (check.outcome == Outcome::Failed) return false;
    return true;
}

std::string FormatTextReport(const Report& report) {
    std::string text = "aaxhost validate " + report.module + "\n";
    text += "strictness " + std::to_string(report.strictness) + ", seed " + std::to_string(report.seed) + "\n";
    if (!report.counts.empty()) {
        text += "counts:";
        for (std::size_t i = 0; i < report.counts.size(); ++i)
            text += (i == 0 ? " " : ", ") + report.counts[i].first + " " + std::to_string(report.counts[i].second);
        text += "\n";
    }
    int passed = 0, failed = 0, skipped = 0;
    double total = 0.0;
    for (const CheckResult& check : report.checks) {
        text += std::string(OutcomeWord(check.outcome)) + " " + check.group + "/" + check.name + " (" +
                Seconds(check.seconds) + " s) \xE2\x80\x94 " + check.detail + "\n";
        total += check.seconds;
        if (check.outcome == Outcome::Passed)
            ++passed;
        else if (check.outcome == Outcome::Failed)
            ++failed;
        else
            ++skipped;
    }
    for (const std::string& box : report.fatalErrors) text += "Fatal Error box: " + box + "\n";
    text += std::to_string(passed) + " passed, " + std::to_string(failed) + " failed, " + std::to_string(skipped) +
            " skipped in " + Seconds(total) + " s: " + (ReportPassed(report) ? "PASSED" : "FAILED") + "\n";
    return text;
}

std::string JsonQuoted(const std::string& text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            out += "\\ufffd";
            ++at;
            continue;
        }
        if (length > 1) {
            out.append(text, at, length);
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
        at += length;
    }
    return out + "\"";
}

std::string FormatJsonReport(const Report& report) {
    std::string json = "{\n  \"module\": " + JsonQuoted(report.module) + ",\n";
    json += "  \"strictness\": " + std::to_string(report.strictness) + ",\n";
    json += "  \"seed\": " + std::to_string(report.seed) + ",\n";
    json += "  \"counts\": {";
    for (std::size_t i = 0; i < report.counts.size(); ++i)
        json +=
            (i == 0 ? "" : ", ") + JsonQuoted(report.counts[i].first) + ": " + std::to_string(report.counts[i].second);
    json += "},\n";
    json += "  \"checks\": [";
    for (std::size_t i = 0; i < report.checks.size(); ++i) {
        const CheckResult& check = report.checks[i];
        json += i == 0 ? "\n" : ",\n";
        json += "    {\"group\": " + JsonQuoted(check.group) + ", \"name\": " + JsonQuoted(check.name) +
                ", \"outcome\": " + JsonQuoted(OutcomeName(check.outcome)) +
                ", \"detail\": " + JsonQuoted(check.detail) + ", \"seconds\": " + Seconds(check.seconds) + "}";
    }
    json += report.checks.empty() ? "],\n" : "\n  ],\n";
    json += "  \"fatalErrors\": [";
    for (std::size_t i = 0; i < report.fatalErrors.size(); ++i)
        json += (i == 0 ? "" : ", ") + JsonQuoted(report.fatalErrors[i]);
    json += "],\n";
    json += std::string("  \"passed\": ") + (ReportPassed(report) ? "true" : "false") + "\n}\n";
    return json;
}

}  // namespace aaxhost::validate
