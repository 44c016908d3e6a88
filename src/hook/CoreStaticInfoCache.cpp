#include "hook/CoreStaticInfoCache.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "contract/CoreRequest.h"
#include "contract/RecordText.h"
#include "hook/CoreLink.h"
#include "hook/HookConfig.h"
#include "hook/HookConfigResource.h"
#include "util/Mutex.h"

namespace {

struct StaticInfoCache {
    Util::Mutex mutex;
    // Records are held by pointer so that references survive rehashing.
    std::unordered_map<PluginFormat, std::unique_ptr<CoreStaticInfo>> records;
};

StaticInfoCache& Cache() {
    static StaticInfoCache cache;
    return cache;
}

std::unique_ptr<CoreStaticInfo> FillFromCore(PluginFormat format) {
    auto record = std::make_unique<CoreStaticInfo>();
    std::memset(record.get(), 0, sizeof(CoreStaticInfo));

    const std::shared_ptr<LoadedCore> core = GetCoreLink();
    if (!core) return record;
    const std::optional<Util::String> coreConfig = GetCoreConfig(core->hookConfig);
    if (!coreConfig) return record;

    // The core writes into an area of its own, so a failed fill leaves no partial record.
    std::vector<unsigned char> output(CoreStaticInfo::kCoreSize, 0);
    StaticInfoRequest request;
    std::memset(&request, 0, sizeof request);
    WriteRecordText(request.coreConfig, *coreConfig);
    WriteRecordText(request.shortName, ReadHookShortName());
    request.pluginFormat = format;
    request.outputAddress = reinterpret_cast<std::uint64_t>(output.data());

    if (SendCoreRequest<CoreSelector::StaticInfo>(core->coreCallback, 1, 0, request) == 0) {
        std::memcpy(record.get(), output.data(), CoreStaticInfo::kCoreSize);
        record->valid = 1;
    }
    return record;
}

}  // namespace

const CoreStaticInfo& GetCoreStaticInfo(PluginFormat format) {
    StaticInfoCache& cache = Cache();
    std::lock_guard<Util::Mutex> lock(cache.mutex);
    std::unique_ptr<CoreStaticInfo>& slot = cache.records[format];
    if (!slot) slot = FillFromCore(format);
    return *slot;
}
