#pragma once
// AAX_CParameter<T>: a parameter holding a real value of type T (float, bool or
// int32_t), with a taper delegate for the mapping to the host's normalised value and a
// display delegate for its text; both are copied. The value starts at the default,
// constrained by the taper. See AAX_IParameter for how changes reach the host.

#include <cstdint>
#include <memory>
#include <type_traits>

#include "aax/AAX_IAutomationDelegate.h"
#include "aax/AAX_IDisplayDelegate.h"
#include "aax/AAX_IParameter.h"
#include "aax/AAX_ITaperDelegate.h"

template <typename T>
class AAX_CParameter : public AAX_IParameter {
    static_assert(std::is_same<T, float>::value || std::is_same<T, bool>::value || std::is_same<T, std::int32_t>::value,
                  "parameters hold float, bool or int32_t");

public:
    AAX_CParameter(AAX_CParamID identifier, const AAX_CString& name, T defaultValue, const AAX_ITaperDelegate<T>& taper,
                   const AAX_IDisplayDelegate<T>& display, bool automatable)
        : identifier_(identifier),
          name_(name),
          taper_(taper.Clone()),
          display_(display.Clone()),
          default_(taper_->ConstrainRealValue(defaultValue)),
          value_(default_),
          automatable_(automatable) {}
    ~AAX_CParameter() override { SetAutomationDelegate(nullptr); }
    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;

    AAX_CParamID Identifier() const override { return identifier_.Get(); }
    const AAX_CString& Name() const override { return name_; }
    bool Automatable() const override { return automatable_; }

    double GetNormalizedValue() const override { return taper_->RealToNormalized(value_); }
    double GetNormalizedDefaultValue() const override { return taper_->RealToNormalized(default_); }
    void SetNormalizedDefaultValue(double normalizedDefault) override {
        default_ = taper_->NormalizedToReal(normalizedDefault);
    }

    void SetNormalizedValue(double normalizedValue) override { SetValue(taper_->NormalizedToReal(normalizedValue)); }

    // Stores the host's value; tells the host the value now held when it changed (or
    // when a change made without a delegate is still to be told).
    void UpdateNormalizedValue(double normalizedValue) override {
        const T value = taper_->NormalizedToReal(normalizedValue);
        if (!needNotify_ && value == value_) return;
        value_ = value;
        if (delegate_ != nullptr) delegate_->PostCurrentValue(identifier_.Get(), normalizedValue);
        needNotify_ = false;
    }

    std::uint32_t GetNumberOfSteps() const override { return steps_; }
    void SetNumberOfSteps(std::uint32_t steps) override { steps_ = steps; }
    AAX_EParameterType GetType() const override { return type_; }
    void SetType(AAX_EParameterType type) override { type_ = type; }

    bool GetValueString(AAX_CString* outText) const override { return display_->ValueToString(value_, outText); }
    bool GetNormalizedValueString(double normalizedValue, AAX_CString* outText) const override {
        return display_->ValueToString(taper_->NormalizedToReal(normalizedValue), outText);
    }
    bool GetNormalizedValueFromString(const char* text, double* outValue) const override {
        T value{};
        if (outValue == nullptr || !display_->StringToValue(text, &value)) return false;
        *outValue = taper_->RealToNormalized(taper_->ConstrainRealValue(value));
        return true;
    }

    bool GetValueAsFloat(float* outValue) const override { return GetAs<float>(outValue); }
    bool GetValueAsBool(bool* outValue) const override { return GetAs<bool>(outValue); }
    bool GetValueAsInt32(std::int32_t* outValue) const override { return GetAs<std::int32_t>(outValue); }
    bool SetValueWithFloat(float value) override { return SetAs<float>(value); }
    bool SetValueWithBool(bool value) override { return SetAs<bool>(value); }
    bool SetValueWithInt32(std::int32_t value) override { return SetAs<std::int32_t>(value); }

    void Touch() override {
        if (delegate_ == nullptr) return;
        ++touches_;
        delegate_->PostTouchRequest(identifier_.Get());
    }
    void Release() override {
        if (delegate_ == nullptr) return;
        if (touches_ > 0) --touches_;
        delegate_->PostReleaseRequest(identifier_.Get());
    }

    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override {
        if (delegate_ != nullptr) delegate_->UnregisterParameter(identifier_.Get());
        delegate_ = delegate;
        touches_ = 0;
        if (delegate_ != nullptr) delegate_->RegisterParameter(identifier_.Get());
    }

    // The current real value, and the one to set (a change from the module, as above):
    // a value request inside its own touch, or inside the module's open edit.
    T GetValue() const { return value_; }
    void SetValue(T value) {
        const double normalized = taper_->RealToNormalized(taper_->ConstrainRealValue(value));
        if (delegate_ == nullptr) {
            needNotify_ = true;
            UpdateNormalizedValue(normalized);
            return;
        }
        const bool ownTouch = touches_ == 0;
        if (ownTouch) Touch();
        delegate_->PostSetValueRequest(identifier_.Get(), normalized);
        if (ownTouch) Release();
    }

private:
    template <typename U>
    bool GetAs(U* outValue) const {
        if constexpr (std::is_same<T, U>::value) {
            if (outValue == nullptr) return false;
            *outValue = value_;
            return true;
        } else {
            (void)outValue;
            return false;
        }
    }

    template <typename U>
    bool SetAs(U value) {
        if constexpr (std::is_same<T, U>::value) {
            SetValue(value);
            return true;
        } else {
            (void)value;
            return false;
        }
    }

    AAX_CString identifier_;
    AAX_CString name_;
    std::unique_ptr<AAX_ITaperDelegate<T>> taper_;
    std::unique_ptr<AAX_IDisplayDelegate<T>> display_;
    T default_;
    T value_;
    bool automatable_;
    std::uint32_t steps_ = 128;
    AAX_EParameterType type_ = AAX_eParameterType_Continuous;
    AAX_IAutomationDelegate* delegate_ = nullptr;
    std::uint32_t touches_ = 0;  // edits the module opened and has not closed
    bool needNotify_ = true;     // the host has not been told the value held
};
