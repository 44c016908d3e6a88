#pragma once
// AAX_CLogTaperDelegate<T, RealPrecision>: equal ratios per equal step, for
// frequencies and times.
//   normalised n -> real = minimum x (maximum / minimum)^n
//   real r       -> n = log(r / minimum) / log(maximum / minimum); 0 when the range is empty
// Needs both ends above zero. When either end is zero or negative there is no such
// curve, and the delegate maps linearly instead (as AAX_CLinearTaperDelegate) rather
// than produce NaN or infinity. Rounding to RealPrecision and clamping as for the
// linear taper.

#include <cmath>
#include <cstdint>

#include "aax/AAX_ITaperDelegate.h"
#include "aax/AAX_TaperMath.h"

template <typename T, std::int32_t RealPrecision>
class AAX_CLogTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CLogTaperDelegate(T minimum, T maximum) : minimum_(minimum), maximum_(maximum) {}

    AAX_CLogTaperDelegate* Clone() const override { return new AAX_CLogTaperDelegate(*this); }

    T ConstrainRealValue(T value) const override {
        return AAX::TaperMath::ToReal<T>(static_cast<double>(value), minimum_, maximum_, RealPrecision);
    }

    T NormalizedToReal(double normalizedValue) const override {
        const double n = AAX::TaperMath::ClampNormalized(normalizedValue);
        const double lo = static_cast<double>(minimum_);
        const double hi = static_cast<double>(maximum_);
        double real = IsLogarithmic() ? lo * std::pow(hi / lo, n) : lo + n * (hi - lo);
        if (n >= 1.0) real = hi;  // the maximum exactly, without rounding error
        return AAX::TaperMath::ToReal<T>(real, lo, hi, RealPrecision);
    }

    double RealToNormalized(T realValue) const override {
        const double lo = static_cast<double>(minimum_);
        const double hi = static_cast<double>(maximum_);
        if (hi == lo) return 0.0;
        const double real = static_cast<double>(ConstrainRealValue(realValue));
        const double n = IsLogarithmic() ? std::log(real / lo) / std::log(hi / lo) : (real - lo) / (hi - lo);
        return AAX::TaperMath::ClampNormalized(n);
    }

private:
    bool IsLogarithmic() const { return minimum_ > T(0) && maximum_ > T(0); }

    T minimum_;
    T maximum_;
};
