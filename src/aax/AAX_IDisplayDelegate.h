#pragma once
// AAX_IDisplayDelegate<T>: the text the host shows for a parameter's real value.
// Pure functions of the delegate's settings. [any-thread]

#include "aax/AAX_CString.h"

template <typename T>
class AAX_IDisplayDelegate {
public:
    virtual ~AAX_IDisplayDelegate() = default;

    virtual AAX_IDisplayDelegate* Clone() const = 0;
    // Writes the text of `value`; false (and nothing written) only for a null out.
    virtual bool ValueToString(T value, AAX_CString* outText) const = 0;
    // The value a text shows; false (and nothing written) when no value shows it.
    virtual bool StringToValue(const char* text, T* outValue) const = 0;
};
