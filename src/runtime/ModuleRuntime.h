#pragma once
// What a shipped DLL's C++ runtime holds beyond its image: the locks, condition variables
// and per-thread values it made through the POSIX thread calls (PosixThreads.cpp), and
// the runtime's emergency exception pool. The DLL entry (DllEntry.cpp) gives them back
// when a thread leaves and when the DLL is unloaded, so that a host that loads and
// unloads the DLL thousands of times keeps its TLS slots, handles and memory.

namespace Runtime {

// The calling thread's per-thread values, through their destructors. Called by the
// loader's thread-detach notification, on the leaving thread.
void ReleaseThreadValues() noexcept;

// Everything: every thread's values, the TLS slots, the lock pool, the exception pool.
// Called once, when the DLL is unloaded (FreeLibrary), after its static destructors; no
// code of the DLL runs afterwards.
void ReleaseModuleResources() noexcept;

}  // namespace Runtime
