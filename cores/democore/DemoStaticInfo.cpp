#include "DemoStaticInfo.h"

#include <cstring>

#include "contract/CoreStaticInfo.h"
#include "contract/PluginFormat.h"
#include "contract/RecordText.h"

namespace DemoCore {
namespace {

constexpr std::uint32_t kManufacturerId = 0x4C756D65;  // 'Lume'
constexpr std::uint32_t kBasePluginId = 0x4C6D4400;    // 'LmD\0' + ID kind
constexpr std::uint32_t kCategoryEq = 0x1;
constexpr std::uint32_t kCategoryEffect = 0x2000;

}  // namespace

bool FillStaticInfo(std::uint32_t pluginFormat, void* output) noexcept {
    if (!output || (pluginFormat != kPluginFormatAaxNative && pluginFormat != kPluginFormatAudioSuite)) return false;
    // The record is built whole and copied, so the hook's area is never read.
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    WriteRecordText(info.nameStem, "LmDemo");
    WriteRecordText(info.effectIdStem, "com.lumetra.lmdemo");
    info.packageVersion = kPackageVersion;
    info.stateFormatId = kStateFormatId;
    info.stateVersion = kStateVersion;
    info.stemAvailable[kStemMono] = 1;
    info.stemAvailable[kStemStereo] = 1;
    info.stemAvailable[kStem5_1] = 1;
    info.editorWidth = kEditorWidth;
    info.editorHeight = kEditorHeight;
    WriteRecordText(info.manufacturerName, "Lumetra");
    info.manufacturerId = kManufacturerId;
    WriteRecordText(info.nameList, "LmDemo Gain Filter\nLmDemo");
    info.basePluginId = kBasePluginId;
    info.categoryMask = kCategoryEq | kCategoryEffect;
    info.audioSuiteAnalysisFlag = 1;
    info.realtimeFlag = 1;
    info.audioSuiteFixedLayoutFlag = 0;  // the offline processor follows the host's channel count
    info.deriveIdsFlag = 1;
    WriteRecordText(info.analysisLabel, "Analyze Peak");
    std::memcpy(output, &info, CoreStaticInfo::kCoreSize);
    return true;
}

}  // namespace DemoCore
