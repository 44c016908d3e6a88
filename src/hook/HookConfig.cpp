#include "hook/HookConfig.h"

#include <cstddef>

#include "util/FatalError.h"
#include "util/FormatArg.h"

namespace {

// The core configuration is copied, with its NUL, into 1024-byte request fields.
constexpr std::size_t kMaxCoreConfigLength = 1023;

struct MediaPrefix {
    const char* prefix;
    PluginFormat format;
};

// Searched in this order; the first prefix a name begins with wins.
constexpr MediaPrefix kMediaPrefixes[] = {
    {"VST-", kPluginFormatVst},
    {"VST3-", kPluginFormatVst3},
    {"AU-", kPluginFormatAudioUnit},
    {"DX-", kPluginFormatDirectX},
};

void Report(const char* templ, const Util::String& argument) {
    Util::ShowFatalError(Util::kFatalErrorTitle, Util::FormatArg(Util::String(templ), argument));
}

bool IsKey(const Util::String& key, const char* name) {
    return Util::String::EqualsIgnoreCase(key, Util::String(name));
}

// Splits "key:value" into trimmed parts; false when the entry has not exactly one ':'.
bool SplitEntry(const Util::String& entry, Util::String& key, Util::String& value) {
    const std::vector<Util::String> parts = entry.Split(':');
    if (parts.size() != 2) return false;
    key = parts[0].Trimmed();
    value = parts[1].Trimmed();
    return true;
}

void ParseMedia(const Util::String& value, HookConfig& config) {
    const std::vector<Util::String> names = value.Split(',');
    if (names.empty()) Report("Invalid hook config media strings %1", value);
    config.mediaNames.clear();
    for (const Util::String& name : names) {
        const MediaPrefix* match = nullptr;
        for (const MediaPrefix& candidate : kMediaPrefixes) {
            if (name.StartsWithIgnoreCase(Util::String(candidate.prefix))) {
                match = &candidate;
                break;
            }
        }
        if (match == nullptr) {
            Report("Invalid hook config media strings %1, unknown hook format", value);
            continue;
        }
        if (match->format == config.pluginFormat)
            config.mediaNames.push_back(name.Substring(std::char_traits<char>::length(match->prefix)));
    }
}

}  // namespace

std::optional<Util::String> GetCoreConfig(const Util::String& hookConfig) {
    Util::String coreConfig;
    for (const Util::String& entry : hookConfig.Split('|')) {
        Util::String key, value;
        if (!SplitEntry(entry, key, value)) {
            Report("Invalid hook config string %1", entry);
            return std::nullopt;
        }
        if (IsKey(key, "CoreConfig")) coreConfig = value;
    }
    if (coreConfig.Size() > kMaxCoreConfigLength) {
        Report("Core config string too long: %1", coreConfig);
        return std::nullopt;
    }
    return coreConfig;
}

void ParseHookConfig(const Util::String& hookConfig, HookConfig& config) {
    for (const Util::String& entry : hookConfig.Split('|')) {
        Util::String key, value;
        if (!SplitEntry(entry, key, value)) {
            Report("Invalid hook config string %1", entry);
            return;
        }
        if (IsKey(key, "FixedChannelConfig")) {
            if (IsKey(value, "mono")) {
                config.channelConfig = kChannelConfigMono;
            } else if (IsKey(value, "stereo")) {
                config.channelConfig = kChannelConfigStereo;
            } else {
                Report("Invalid hook config fixed channel config %1", value);
                return;
            }
            config.hasFixedChannelConfig = true;
        } else if (IsKey(key, "Media")) {
            ParseMedia(value, config);
        } else if (IsKey(key, "CoreConfig")) {
            // Read by GetCoreConfig each time a request carries it.
        } else {
            Report("Invalid hook config string %1", key);
            return;
        }
    }
    if (config.channelConfig == kChannelConfigNone) {
        Util::ShowFatalError(Util::kFatalErrorTitle, "Hook config string should contain fixed channel config");
        config.channelConfig = kChannelConfigStereo;
    }
}
