#include "aax/AAX_Exception.h"

#include <utility>

namespace AAX {
namespace Exception {

Any::Any(std::string what) : what_(std::move(what)) {}

const char* Any::what() const noexcept { return what_.c_str(); }

ResultError::ResultError(AAX_Result result)
    : Any(std::string(AAX_ResultName(result)) + " (" + std::to_string(result) + ")"), result_(result) {}

}  // namespace Exception
}  // namespace AAX
