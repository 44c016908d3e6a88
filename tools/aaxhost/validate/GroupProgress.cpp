#include "aaxhost/validate/GroupProgress.h"

#include <cstdio>
#include <cstdlib>

namespace aaxhost::validate {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(Unescaped(line.substr(start, tab - start)));
        start = tab + 1;
    }
    fields.push_back(Unescaped(line.substr(start)));
    return fields;
}

bool ParseNumber(const std::string& text, int& number) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    number = std::atoi(text.c_str());
    return true;
}

}  // namespace

std::string StartedLine(int number, const std::string& group, const std::string& name) {
    return "started\t" + std::to_string(number) + "\t" + Escaped(group) + "\t" + Escaped(name) + "\n";
}

std::string RecordedLine(int number, const CheckResult& result) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", result.seconds);
    return "recorded\t" + std::to_string(number) + "\t" + Escaped(result.group) + "\t" + Escaped(result.name) + "\t" +
           OutcomeName(result.outcome) + "\t" + seconds + "\t" + Escaped(result.detail) + "\n";
}

std::string BoxLine(const std::string& text) { return "box\t" + Escaped(text) + "\n"; }
std::string UnloadableLine() { return "unloadable\n"; }
std::string FinishedLine() { return "finished\n"; }

GroupProgress ParseGroupProgress(const std::string& text) {
    GroupProgress progress;
    int runningNumber = -1;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        const std::vector<std::string> fields = Fields(text.substr(start, end - start));
        start = end + 1;
        const std::string& kind = fields[0];
        int number = -1;
        if (kind == "started" && fields.size() == 4 && ParseNumber(fields[1], number)) {
            runningNumber = number;
            progress.runningGroup = fields[2];
            progress.runningName = fields[3];
        } else if (kind == "recorded" && fields.size() == 7 && ParseNumber(fields[1], number)) {
            CheckResult result;
            result.group = fields[2];
            result.name = fields[3];
            result.outcome = fields[4] == "pass"   ? Outcome::Passed
                             : fields[4] == "skip" ? Outcome::Skipped
                                                   : Outcome::Failed;
            result.seconds = std::atof(fields[5].c_str());
            result.detail = fields[6];
            progress.results.push_back(result);
            if (number == runningNumber) {
                progress.runningGroup.clear();
                progress.runningName.clear();
            }
        } else if (kind == "box" && fields.size() == 2) {
            progress.boxes.push_back(fields[1]);
        } else if (kind == "unloadable") {
            progress.unloadable = true;
        } else if (kind == "finished") {
            progress.finished = true;
        }
        if (number > progress.lastNumber) progress.lastNumber = number;
    }
    return progress;
}

std::string DescribeProcessEnd(unsigned long exitCode) {
    struct Known {
        unsigned long code;
        const char* name;
    };
    static const Known kKnown[] = {
        {3, "abort"},
        {0xC0000005ul, "access violation"},
        {0xC00000FDul, "stack overflow"},
        {0xC0000409ul, "fast fail"},
        {0xC000001Dul, "illegal instruction"},
        {0xC0000094ul, "integer division by zero"},
        {0xC0000374ul, "heap corruption"},
        {0x80000003ul, "breakpoint"},
    };
    for (const Known& known : kKnown) {
        if (known.code != exitCode) continue;
        char text[64];
        if (exitCode < 0x10000)
            std::snprintf(text, sizeof text, "exit code %lu (%s)", exitCode, known.name);
        else
            std::snprintf(text, sizeof text, "exception 0x%08lX (%s)", exitCode, known.name);
        return text;
    }
    char text[48];
    if (exitCode < 0x10000)
        std::snprintf(text, sizeof text, "exit code %lu", exitCode);
    else
        std::snprintf(text, sizeof text, "exit code 0x%08lX", exitCode);
    return text;
}

}  // namespace aaxhost::validate
