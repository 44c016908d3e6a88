#pragma once
// AAX_CBinaryTaperDelegate<bool>: a switch. false <-> 0.0 and true <-> 1.0; a
// normalised value of 0.5 or more reads as true (a fader moved past half way), NaN as
// false.

#include "aax/AAX_ITaperDelegate.h"

template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T> {
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }
    T ConstrainRealValue(T value) const override { return static_cast<bool>(value); }
    T NormalizedToReal(double normalizedValue) const override { return normalizedValue >= 0.5; }
    double RealToNormalized(T realValue) const override { return static_cast<bool>(realValue) ? 1.0 : 0.0; }
};
