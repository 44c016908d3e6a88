#include "HookLink.h"

#include "contract/HookCallbackRecords.h"

namespace DemoCore {
namespace {

constexpr std::uint32_t kHookMagic = 1090;
constexpr std::uint32_t kNoHook = 3;
constexpr std::uint32_t kSelectorEdit = 1;
constexpr std::uint32_t kSelectorResize = 11;
constexpr std::uint32_t kSelectorCommand = 21;
constexpr std::uint32_t kCommandAnalyze = 0x4460FCEA;

using HookCallbackFn = std::uint32_t (*)(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument,
                                         void* hook, void* record);

}  // namespace

std::uint32_t HookLink::Call(std::uint32_t selector, std::uint32_t argument, void* record) const noexcept {
    if (!Valid()) return kNoHook;
    const auto callback = reinterpret_cast<HookCallbackFn>(callback_);
    return callback(kHookMagic, selector, argument, reinterpret_cast<void*>(hook_), record);
}

std::uint32_t HookLink::Edit(std::uint32_t operation, std::uint32_t coreIndex, float value) const noexcept {
    ParameterEditRecord record{operation, coreIndex, value};
    return Call(kSelectorEdit, 0, &record);
}

std::uint32_t HookLink::Resize(std::uint32_t width, std::uint32_t height) const noexcept {
    EditorSizeRecord record{width, height};
    return Call(kSelectorResize, 0, &record);
}

std::uint32_t HookLink::RequestAnalysis() const noexcept {
    CoreCommandRecord record{kCommandAnalyze, 0, 0};
    return Call(kSelectorCommand, 0, &record);
}

}  // namespace DemoCore
