// Placeholder: replaced by the processor's factory.
#include "hostprocessor/HostProcessorFactory.h"

IACFUnknown* CreateHostProcessor() noexcept { return nullptr; }
