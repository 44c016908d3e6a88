#pragma once
// The hook configuration string, carried by the "LMHOOK"/"CONFIG" resource:
//   FixedChannelConfig:stereo|Media:VST-One,AU-One|CoreConfig:abc
// Entries are separated by '|', key and value by exactly one ':', both trimmed; keys
// and the channel values compare case-insensitively. Every malformed entry is reported
// with a "Fatal Error" box. Pure logic; no Windows calls besides the box.

#include <optional>
#include <vector>

#include "contract/ChannelConfig.h"
#include "contract/PluginFormat.h"
#include "util/String.h"

// The configuration record of a hook object; the hook object owns it and sets it once,
// while it is being constructed.
struct HookConfig {
    PluginFormat pluginFormat = kPluginFormatAaxNative;  // the hook's own format
    bool hasFixedChannelConfig = false;
    ChannelConfig channelConfig = kChannelConfigNone;  // from the constructor, then the string
    std::vector<Util::String> mediaNames;              // names of the hook's own format, unprefixed
};

// The value of the last "CoreConfig" entry, or the null text (read as "") when there
// is none. std::nullopt after an error: the caller then sends no request to the core.
std::optional<Util::String> GetCoreConfig(const Util::String& hookConfig);

// Parses the whole string into `config`, whose pluginFormat and channelConfig hold the
// constructor's values. Stops at the first entry it cannot accept; when it reaches the
// end without a channel configuration it reports that and uses stereo.
void ParseHookConfig(const Util::String& hookConfig, HookConfig& config);
