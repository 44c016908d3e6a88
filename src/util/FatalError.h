#pragma once
// The "Fatal Error" box through which every failure that makes the plug-in unusable is
// reported. It blocks the calling thread until the user presses OK, and it returns:
// the caller decides what follows. While it is shown, the calling thread's enabled
// top-level windows are disabled, so the box is modal for that thread's UI.
// [any-thread]; it blocks only windows of the thread that calls it.

#include <functional>

#include "util/String.h"

namespace Util {

// The title every caller in the module passes.
extern const char* const kFatalErrorTitle;

void ShowFatalError(const String& title, const String& message);

// Tests may route fatal errors to a sink instead of the real box. The sink is called
// on the reporting thread; an empty sink restores the box. Returns the previous sink.
using FatalErrorSink = std::function<void(const String& title, const String& message)>;
FatalErrorSink SetFatalErrorSink(FatalErrorSink sink);

}  // namespace Util
