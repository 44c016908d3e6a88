#pragma once
// The "Fatal Error" boxes the module showed during a validation. "aaxhost validate"
// keeps one DialogWatcher running for the whole run, so a box never blocks a check,
// and registers it here; checks read the texts seen so far (for example to tell
// which box a step raised: compare the count before and after it).
// [ui-thread] to register; FatalErrorTexts: [any-thread].

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "aaxhost/DialogWatcher.h"

namespace aaxhost::validate {

// The watcher of this run, borrowed until it is replaced or cleared with null.
void SetFatalErrorWatcher(DialogWatcher* watcher) noexcept;
// Texts of the boxes answered so far, in order; empty without a watcher.
std::vector<std::string> FatalErrorTexts();
// Waits (up to `timeout`) until more than `seen` boxes were answered; the texts then.
std::vector<std::string> WaitForFatalErrorsBeyond(std::size_t seen, std::chrono::milliseconds timeout);

// Whether this process can show a window at all: without a display a module's
// MessageBoxW returns at once and no box is ever seen.
bool DialogsCanAppear();

}  // namespace aaxhost::validate
