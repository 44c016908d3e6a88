#pragma once
// AAX_IACFTransportControl: requests to start and stop the host's transport, answered
// (when the host allows it) by the instance's controller for IID_IAAXTransportControlV1.
// [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFTransportControl : public IACFUnknown {
public:
    virtual AAX_Result RequestTransportStart() noexcept = 0;
    virtual AAX_Result RequestTransportStop() noexcept = 0;

protected:
    ~AAX_IACFTransportControl() = default;
};
