#include "aax/AAX.h"

namespace {

struct NamedResult {
    AAX_Result result;
    const char* name;
};

constexpr NamedResult kNames[] = {
    {AAX_SUCCESS, "AAX_SUCCESS"},
    {AAX_ERROR_INVALID_PARAMETER_ID, "AAX_ERROR_INVALID_PARAMETER_ID"},
    {AAX_ERROR_INVALID_STRING_CONVERSION, "AAX_ERROR_INVALID_STRING_CONVERSION"},
    {AAX_ERROR_NULL_OBJECT, "AAX_ERROR_NULL_OBJECT"},
    {AAX_ERROR_INVALID_CHUNK_INDEX, "AAX_ERROR_INVALID_CHUNK_INDEX"},
    {AAX_ERROR_INVALID_CHUNK_ID, "AAX_ERROR_INVALID_CHUNK_ID"},
    {AAX_ERROR_UNIMPLEMENTED, "AAX_ERROR_UNIMPLEMENTED"},
    {AAX_ERROR_NOT_INITIALIZED, "AAX_ERROR_NOT_INITIALIZED"},
    {AAX_ERROR_MALFORMED_CHUNK, "AAX_ERROR_MALFORMED_CHUNK"},
    {AAX_ERROR_NULL_ARGUMENT, "AAX_ERROR_NULL_ARGUMENT"},
    {AAX_ERROR_UNKNOWN_EXCEPTION, "AAX_ERROR_UNKNOWN_EXCEPTION"},
};

}  // namespace

const char* AAX_ResultName(AAX_Result result) noexcept {
    for (const NamedResult& entry : kNames)
        if (entry.result == result) return entry.name;
    return "unknown AAX result";
}
