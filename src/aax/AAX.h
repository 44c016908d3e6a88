#pragma once
// AAX basics: the result type with its codes and the small value types shared by the
// module and the host. Results are signed 32-bit, 0 for success; the codes are the
// host's, so their values never change. Pure data. [any-thread]

#include <cstddef>
#include <cstdint>

using AAX_Result = std::int32_t;

enum AAX_EError : AAX_Result {
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,       // no parameter with that identifier or position
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,  // a text that names no value of the parameter
    AAX_ERROR_NULL_OBJECT = -20004,                // a host object (descriptor, map, delegate) is missing
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_UNIMPLEMENTED = -20009,    // a request the object refuses
    AAX_ERROR_NOT_INITIALIZED = -20011,  // initialised without a controller
    AAX_ERROR_MALFORMED_CHUNK = -20026,
    AAX_ERROR_PLUGIN_NULL_PARAMETER = -20030,
    AAX_ERROR_UNKNOWN_EXCEPTION = -20042,         // an exception was caught at the boundary
    AAX_ERROR_INVALID_ARGUMENT = -20043,          // an argument out of its range
    AAX_ERROR_NULL_ARGUMENT = -20044,             // a null out pointer
    AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW = -20046,  // an out array too short for the answer
};

// "AAX_SUCCESS", "AAX_ERROR_NULL_OBJECT", ...; "unknown AAX result" for other values.
const char* AAX_ResultName(AAX_Result result) noexcept;

// Parameter identifier: NUL-terminated UTF-8, borrowed for the call it is passed to.
using AAX_CParamID = const char*;
// Four-character codes and 32-bit IDs (manufacturer, product, plug-in, chunk, notification).
using AAX_CTypeID = std::uint32_t;
// A boolean that crosses the boundary: 0 false, 1 true.
using AAX_CBoolean = std::uint8_t;
// Sample rate in Hz.
using AAX_CSampleRate = float;
// Index of a field in a component's instance context (AAX_EContextField).
using AAX_CFieldIndex = std::int32_t;
// The value of a component property (AAX_EProperty); 64-bit values carry pointers.
using AAX_CPropertyValue = std::int32_t;
using AAX_CPropertyValue64 = std::int64_t;
// What the host hands back for a registered process procedure (AddProcessProc_Native).
using AAX_CSelector = std::uint32_t;

// One plug-in type: the three IDs a host keys a plug-in by. Passed in arrays to
// AAX_IACFPropertyMap_V2::AddPropertyWithIDArray.
struct AAX_SPlugInIdentifierTriad {
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};
static_assert(sizeof(AAX_SPlugInIdentifierTriad) == 12, "three 32-bit IDs, no padding");
static_assert(offsetof(AAX_SPlugInIdentifierTriad, mProductID) == 4 &&
                  offsetof(AAX_SPlugInIdentifierTriad, mPlugInID) == 8,
              "ID triad layout");
