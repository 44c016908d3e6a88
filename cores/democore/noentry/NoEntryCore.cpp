// LmNoEntryCore.dll: a library that loads like a core but exports no PluginCoreCallback,
// so a hook primed with it must refuse it cleanly. It exports one unrelated function,
// so that it is an ordinary DLL with an export table.

#include <cstdint>

extern "C" __declspec(dllexport) std::uint32_t NoEntryCoreVersion() noexcept { return 1; }
