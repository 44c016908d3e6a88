#include "hook/HostInfoStore.h"

void HostInfoStore::Set(const Util::String& key, const Util::String& value) {
    if (key.IsEmpty() || value.IsEmpty()) return;
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    entries_.push_back({key, value});
}

HostInfoStore::LookupResult HostInfoStore::Lookup(const char* /*key*/, const char* /*second*/) const noexcept {
    return {};
}

void HostInfoStore::SetUsageKind(const Util::String& kind) {
    std::lock_guard<Util::Mutex> lock(usageMutex_);
    usageKind_ = kind;
}

Util::String HostInfoStore::UsageKind() const {
    std::lock_guard<Util::Mutex> lock(usageMutex_);
    return usageKind_;
}
