#pragma once
// CACFUnknown: reference counting and the module's live-object count for the ACF
// objects the module hands to the host (effect parameters, editor, offline processor).
//
// A new object holds one reference, owned by whoever called `new` (a factory hands it
// to the host, which gives it back with Release). The Release that drops the count to
// zero deletes the object through the virtual destructor, in the module that made it.
// Every live object counts itself into a process-wide count from construction to
// destruction; ACFCanUnloadNow reports that count, and the host unloads the module
// only at zero.
//
// The interface classes (AAX_IEffectParameters, AAX_IEffectGUI, AAX_IHostProcessor)
// derive from their ACF interface first and from CACFUnknown second, and answer
// QueryInterface, AddRef and Release through the protected helpers below.
// Counts change atomically. [any-thread]

#include <atomic>
#include <cstdint>
#include <initializer_list>

#include "aax/acfunknown.h"

class CACFUnknown {
public:
    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    // Objects of this module alive now (what ACFCanUnloadNow returns).
    static std::int32_t LiveObjectCount() noexcept;

protected:
    CACFUnknown() noexcept;
    virtual ~CACFUnknown();

    std::uint32_t InternalAddRef() noexcept;
    // Deletes the object when the last reference goes.
    std::uint32_t InternalRelease() noexcept;
    // Answers IID_IACFUnknown and each of `ownIIDs` (every published version of the
    // object's interface, all served by the one most derived interface `self`) with
    // `self` and an added reference; anything else with null and ACF_E_NOINTERFACE.
    acfResult InternalQueryInterface(const acfIID& iid, void** out, std::initializer_list<acfIID> ownIIDs,
                                     IACFUnknown* self) noexcept;

private:
    std::atomic<std::uint32_t> references_;
};
