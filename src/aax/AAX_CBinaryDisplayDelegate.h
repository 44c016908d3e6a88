#pragma once
// AAX_CBinaryDisplayDelegate<bool>: one text for false and one for true, given by the
// caller ("off" and "on", "Bypassed" and "Active", ...).

#include <string>

#include "aax/AAX_IDisplayDelegate.h"

template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T> {
public:
    AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
        : falseText_(falseText), trueText_(trueText) {}

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* outText) const override {
        if (outText == nullptr) return false;
        *outText = static_cast<bool>(value) ? trueText_ : falseText_;
        return true;
    }

    bool StringToValue(const char* text, T* outValue) const override {
        if (text == nullptr || outValue == nullptr) return false;
        const std::string given(text);
        if (given != trueText_.Get() && given != falseText_.Get()) return false;
        *outValue = static_cast<T>(given == trueText_.Get());
        return true;
    }

private:
    AAX_CString falseText_;
    AAX_CString trueText_;
};
