#include "hostprocessor/HostProcessorFactory.h"

#include "hostprocessor/HostProcessor.h"

IACFUnknown* CreateHostProcessor() noexcept {
    try {
        return static_cast<AAX_IACFHostProcessor*>(new HostProcessor);
    } catch (...) {
        return nullptr;  // out of memory: the host learns of it as a missing processor
    }
}
