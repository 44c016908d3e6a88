#include "ModuleReport.h"

#include <vector>

#include "FileOperations.h"
#include "Priming.h"

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0 when there is none.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

std::string Printable(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            ++at;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

struct ShownResource {
    const char* type;
    const char* name;
    std::size_t maxLength;
};

const ShownResource kShown[] = {
    {"LMCORE", "PATH", kMaxCoreTextLength},
    {"LMHOOK", "CONFIG", kMaxConfigLength},
    {"LMHOOK", "SHORTNAME", kMaxShortNameLength},
};

}  // namespace

std::string DescribeResource(const NamedResource& resource, std::size_t maxLength) {
    if (!resource.bytes) return "absent";
    const std::vector<unsigned char>& bytes = *resource.bytes;
    if (bytes.empty()) return "empty resource (0 bytes, no NUL)";
    const std::string all(bytes.begin(), bytes.end());
    const std::size_t nul = all.find('\0');
    const std::string text = all.substr(0, nul);
    if (text.empty() && bytes.size() == 1)
        return resource.type == "LMCORE" ? "empty text (unprimed hook)" : "empty text";

    std::string notes = std::to_string(text.size()) + (text.size() == 1 ? " byte" : " bytes");
    if (bytes.back() != 0) notes += ", not NUL-terminated";
    if (nul != std::string::npos && nul + 1 < bytes.size())
        notes += ", " + std::to_string(bytes.size() - nul - 1) + " more bytes after the first NUL";
    if (text.size() > maxLength) notes += ", too long: the hook accepts at most " + std::to_string(maxLength);
    return "\"" + Printable(text) + "\" (" + notes + ")";
}

bool DescribeModule(const std::wstring& modulePath, std::string& report, std::string& error) {
    std::vector<NamedResource> resources;
    for (const ShownResource& shown : kShown) resources.push_back({shown.type, shown.name, std::nullopt});
    if (!CheckModuleFile(modulePath, error) || !ReadResources(modulePath, resources, error)) return false;

    report = "Module: " + Utf8(modulePath) + "\n";
    for (std::size_t i = 0; i < resources.size(); ++i) {
        std::string label = resources[i].type + "/" + resources[i].name;
        label.resize(18, ' ');
        report += label + DescribeResource(resources[i], kShown[i].maxLength) + "\n";
    }
    return true;
}
