#include "aax/AAX_CString.h"

#include <utility>

AAX_CString::AAX_CString(const char* text) : text_(text != nullptr ? text : "") {}

AAX_CString::AAX_CString(std::string text) noexcept : text_(std::move(text)) {}

AAX_CString::AAX_CString(const AAX_IString& other) : text_(other.Get()) {}

void* AAX_CString::ScalarDeletingDestructor(unsigned int flags) noexcept {
    if ((flags & 1u) != 0) {
        delete this;
    } else {
        this->~AAX_CString();
    }
    return this;
}

std::uint32_t AAX_CString::Length() const noexcept { return static_cast<std::uint32_t>(text_.size()); }

std::uint32_t AAX_CString::MaxLength() const noexcept { return kMaxStringLength; }

const char* AAX_CString::Get() const noexcept { return text_.c_str(); }

void AAX_CString::Set(const char* text) noexcept {
    try {
        text_ = text != nullptr ? text : "";
    } catch (...) {
        // Out of memory: the old text stays; nothing may leave across the boundary.
    }
}

AAX_IString& AAX_CString::operator=(const char* text) noexcept {
    Set(text);
    return *this;
}

AAX_IString& AAX_CString::operator=(const AAX_IString& other) noexcept {
    if (&other != this) Set(other.Get());
    return *this;
}
