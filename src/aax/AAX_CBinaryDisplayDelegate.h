#pragma once
// AAX_CBinaryDisplayDelegate<bool>: one text for false and one for true, given by the
// caller ("off" and "on", "Bypassed" and "Active", ...).

#include "aax/AAX_IDisplayDelegate.h"

template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T> {
public:
    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText) : falseText_(falseText), trueText_(trueText) {}

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* outText) const override {
        if (outText == nullptr) return false;
        *outText = static_cast<bool>(value) ? trueText_ : falseText_;
        return true;
    }

private:
    AAX_CString falseText_;
    AAX_CString trueText_;
};
