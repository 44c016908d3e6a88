#pragma once
// The host-information store a hook object keeps when the core's static information
// asks for one: text pairs about the host process ("HostProcessName",
// "HostProcessDisplayName", "HostProcessVersion", "PluginFormat") and a usage-kind
// text the core may set to "adv" through callbacks 7 to 9. Nothing hands the entries
// back: the core's lookup (callback 6) is answered "not found" for every key. What the
// core sees is only whether the store exists, in the statuses of callbacks 6 to 9.
// Entries are written while the hook is being constructed [ui-thread]; the usage kind
// may be set from any core thread, so it is guarded. [any-thread]

#include <cstdint>
#include <mutex>
#include <vector>

#include "util/Mutex.h"
#include "util/String.h"

class HostInfoStore {
public:
    struct Entry {
        Util::String key;
        Util::String value;
    };

    struct LookupResult {
        std::uint32_t value = 0;
        bool found = false;
    };

    // Stores the pair, replacing the value of an equal key; an empty (or null) key or
    // value is not stored. [ui-thread]
    void Set(const Util::String& key, const Util::String& value);

    // The core's lookup: never finds an entry (value 0, not found). [core-thread]
    LookupResult Lookup(const char* key, const char* second) const noexcept;

    void SetUsageKind(const Util::String& kind);  // [core-thread]
    Util::String UsageKind() const;               // null until set; [any-thread]

    const std::vector<Entry>& Entries() const noexcept { return entries_; }  // [ui-thread]

    static constexpr const char* kAdvancedUsage = "adv";

private:
    std::vector<Entry> entries_;
    mutable Util::Mutex usageMutex_;
    Util::String usageKind_;
};
