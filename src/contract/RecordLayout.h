#pragma once
// Shared facts of every core record: the module is 64-bit little-endian, so a pointer
// field is 8 bytes and offsets are those of the natural C layout with explicit padding.

#include <cstddef>
#include <type_traits>

static_assert(sizeof(void*) == 8, "core records hold 64-bit pointers");

// Checks that a record type can be copied and laid out as plain bytes.
#define LM_RECORD_TRAITS(Type)                                                       \
    static_assert(std::is_standard_layout<Type>::value, #Type " is a plain struct"); \
    static_assert(std::is_trivially_copyable<Type>::value, #Type " is copied as bytes")
