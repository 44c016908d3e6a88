#pragma once
// Texts in core records: 8-bit, NUL-terminated, in fixed-size fields. Writing never
// overruns a field (an over-long text is cut so that its NUL still fits); reading never
// goes past the field, whether or not the writer put a NUL in it.

#include <cstddef>
#include <cstring>

#include "util/String.h"

template <std::size_t N>
void WriteRecordText(char (&field)[N], const Util::String& text) noexcept {
    static_assert(N > 0, "a text field holds at least its NUL");
    const std::size_t length = text.Size() < N ? text.Size() : N - 1;
    std::memcpy(field, text.CStr(), length);
    field[length] = '\0';
}

template <std::size_t N>
void WriteRecordText(char (&field)[N], const char* text) noexcept {
    static_assert(N > 0, "a text field holds at least its NUL");
    const std::size_t size = std::strlen(text);
    const std::size_t length = size < N ? size : N - 1;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

template <std::size_t N>
Util::String ReadRecordText(const char (&field)[N]) {
    const void* end = std::memchr(field, '\0', N);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N;
    return Util::String(field, length);
}
