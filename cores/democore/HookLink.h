#pragma once
// The demo core's way back to its hook: the PluginHookCallback address and the hook
// object the instance-creation request handed in, and the calls the core makes through
// them. Each returns the hook's status (0 done), or 3 when there is no hook to call.
// Edits, resizes and commands: [ui-thread] (resizes must be); nothing here locks.

#include <cstdint>

namespace DemoCore {

class HookLink {
public:
    HookLink() noexcept = default;
    HookLink(std::uint64_t callbackAddress, std::uint64_t hookAddress) noexcept
        : callback_(callbackAddress), hook_(hookAddress) {}

    bool Valid() const noexcept { return callback_ != 0 && hook_ != 0; }

    // Callback 1: operation 0 begin, 1 set, 2 end of an edit of one parameter.
    std::uint32_t Edit(std::uint32_t operation, std::uint32_t coreIndex, float value) const noexcept;
    // Callback 11: the editor asks for a new size.
    std::uint32_t Resize(std::uint32_t width, std::uint32_t height) const noexcept;
    // Callback 21 with 0x4460FCEA: the AudioSuite analysis is out of date.
    std::uint32_t RequestAnalysis() const noexcept;

private:
    std::uint32_t Call(std::uint32_t selector, std::uint32_t argument, void* record) const noexcept;

    std::uint64_t callback_ = 0;
    std::uint64_t hook_ = 0;
};

}  // namespace DemoCore
