#include "Priming.h"

namespace {

std::vector<unsigned char> TextWithNul(const std::string& text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// `what` is refused when it holds a NUL (the hook would read only the part before it)
// or is longer than `limit` bytes.
std::string CheckText(const char* what, const std::string& text, std::size_t limit) {
    if (text.find('\0') != std::string::npos) return std::string(what) + " contains a NUL byte";
    if (text.size() > limit)
        return std::string(what) + " is " + std::to_string(text.size()) +
               " bytes long in UTF-8; the hook accepts at most " + std::to_string(limit);
    return "";
}

}  // namespace

std::string CheckPrimeSettings(const PrimeSettings& settings) {
    std::string problem;
    if (!settings.unprimed) {
        if (settings.core.empty()) return "the core name or path is empty";
        problem = CheckText("the core name or path", settings.core, kMaxCoreTextLength);
    }
    if (problem.empty() && settings.config)
        problem = CheckText("the configuration string", *settings.config, kMaxConfigLength);
    if (problem.empty() && settings.shortName) {
        // The hook reads an empty short name as none; asking for one is a mistake.
        if (settings.shortName->empty()) return "the short name is empty";
        problem = CheckText("the short name", *settings.shortName, kMaxShortNameLength);
    }
    return problem;
}

std::vector<NamedResource> PrimeResources(const PrimeSettings& settings) {
    std::vector<NamedResource> resources;
    resources.push_back({"LMCORE", "PATH", TextWithNul(settings.unprimed ? std::string() : settings.core)});
    NamedResource config{"LMHOOK", "CONFIG", std::nullopt};
    if (settings.config) config.bytes = TextWithNul(*settings.config);
    resources.push_back(config);
    NamedResource shortName{"LMHOOK", "SHORTNAME", std::nullopt};
    if (settings.shortName) shortName.bytes = TextWithNul(*settings.shortName);
    resources.push_back(shortName);
    return resources;
}

bool PrimeModule(const std::wstring& inModule, const std::wstring& outModule, const PrimeSettings& settings,
                 std::string& error) {
    error = CheckPrimeSettings(settings);
    if (!error.empty()) return false;
    return WriteModuleCopy(inModule, outModule, PrimeResources(settings), error);
}
