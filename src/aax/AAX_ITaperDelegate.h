#pragma once
// AAX_ITaperDelegate<T>: the mapping between a parameter's real value (its own units,
// type T) and the normalised value in [0, 1] that the host stores and automates.
// Pure functions of the delegate's range. [any-thread]

template <typename T>
class AAX_ITaperDelegate {
public:
    virtual ~AAX_ITaperDelegate() = default;

    virtual AAX_ITaperDelegate* Clone() const = 0;
    // The value as the parameter can hold it: rounded and clamped to the range.
    virtual T ConstrainRealValue(T value) const = 0;
    // A normalised value outside [0, 1] counts as its nearer end, NaN as 0.
    virtual T NormalizedToReal(double normalizedValue) const = 0;
    // Constrains the value first; the result is in [0, 1].
    virtual double RealToNormalized(T realValue) const = 0;
};
