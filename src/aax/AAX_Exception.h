#pragma once
// The layer's exceptions, thrown inside the module only: the registration entry point
// raises a failing result as ResultError and turns every exception it catches back
// into a result (and a trace line). Never thrown across the boundary.

#include <exception>
#include <string>

#include "aax/AAX.h"

namespace AAX {
namespace Exception {

// Any failure of the layer, with a text for the host's trace.
class Any : public std::exception {
public:
    explicit Any(std::string what);
    const char* what() const noexcept override;

private:
    std::string what_;
};

// A failing AAX result; the text is "<name> (<code>)", e.g. "AAX_ERROR_NULL_OBJECT (-20004)".
class ResultError : public Any {
public:
    explicit ResultError(AAX_Result result);
    AAX_Result Result() const noexcept { return result_; }

private:
    AAX_Result result_;
};

}  // namespace Exception
}  // namespace AAX
