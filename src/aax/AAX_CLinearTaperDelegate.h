#pragma once
// AAX_CLinearTaperDelegate<T, RealPrecision>: a straight line over [minimum, maximum].
//   normalised n -> real = minimum + n x (maximum - minimum)
//   real r       -> n = (r - minimum) / (maximum - minimum); 0 when the range is empty
// Real values clamp to [minimum, maximum]. With RealPrecision p > 0 a value inside the
// range is rounded to a multiple of 1/p (halves away from zero), while the ends are
// kept exactly, so they stay reachable; p = 0 keeps the value as computed. An integral
// T always rounds to whole numbers.
// A range given as (maximum, minimum) maps n = 0 to the first value.

#include <cstdint>

#include "aax/AAX_ITaperDelegate.h"
#include "aax/AAX_TaperMath.h"

template <typename T, std::int32_t RealPrecision>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CLinearTaperDelegate(T minimum, T maximum) : minimum_(minimum), maximum_(maximum) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }

    T ConstrainRealValue(T value) const override {
        return AAX::TaperMath::ToReal<T>(static_cast<double>(value), minimum_, maximum_, RealPrecision);
    }

    T NormalizedToReal(double normalizedValue) const override {
        const double n = AAX::TaperMath::ClampNormalized(normalizedValue);
        const double lo = static_cast<double>(minimum_);
        const double hi = static_cast<double>(maximum_);
        // n = 1 is the maximum exactly, not lo + (hi - lo) with its rounding error.
        const double real = n >= 1.0 ? hi : lo + n * (hi - lo);
        return AAX::TaperMath::ToReal<T>(real, lo, hi, RealPrecision);
    }

    double RealToNormalized(T realValue) const override {
        const double lo = static_cast<double>(minimum_);
        const double hi = static_cast<double>(maximum_);
        if (hi == lo) return 0.0;
        const double real = static_cast<double>(ConstrainRealValue(realValue));
        return AAX::TaperMath::ClampNormalized((real - lo) / (hi - lo));
    }

private:
    T minimum_;
    T maximum_;
};
