#pragma once
// The offline (AudioSuite) processor factory, registered with procedure ID 3 on the
// AudioSuite effect. Returns the new processor's ACF interface holding one reference
// (the host releases it), or null when it cannot be made. [ui-thread]

class IACFUnknown;

IACFUnknown* CreateHostProcessor() noexcept;
