#pragma once
// AAX_CStringDisplayDelegate<int>: a label per value, for discrete parameters whose
// values are choices. A value without a label shows "String Not Found".

#include <map>
#include <string>

#include "aax/AAX_IDisplayDelegate.h"

template <typename T>
class AAX_CStringDisplayDelegate : public AAX_IDisplayDelegate<T> {
public:
    explicit AAX_CStringDisplayDelegate(const std::map<T, AAX_CString>& labels) : labels_(labels) {}

    AAX_CStringDisplayDelegate* Clone() const override { return new AAX_CStringDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* outText) const override {
        if (outText == nullptr) return false;
        const auto found = labels_.find(value);
        *outText = found != labels_.end() ? found->second : AAX_CString("String Not Found");
        return true;
    }

    bool StringToValue(const char* text, T* outValue) const override {
        if (text == nullptr || outValue == nullptr) return false;
        for (const auto& [value, label] : labels_) {
            if (std::string(label.Get()) != text) continue;
            *outValue = value;
            return true;
        }
        return false;
    }

private:
    std::map<T, AAX_CString> labels_;
};
