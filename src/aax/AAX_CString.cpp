#include "aax/AAX_CString.h"

#include <utility>

AAX_CString::AAX_CString(const char* text) : text_(text != nullptr ? text : "") {}

AAX_CString::AAX_CString(std::string text) noexcept : text_(std::move(text)) {}

AAX_CString::AAX_CString(const AAX_IString& other) : text_(other.Get()) {}

std::uint32_t AAX_CString::Length() const noexcept { return static_cast<std::uint32_t>(text_.size()); }

const char* AAX_CString::Get() const noexcept { return text_.c_str(); }

void AAX_CString::Set(const char* text) noexcept {
    try {
        text_ = text != nullptr ? text : "";
    } catch (...) {
        // Out of memory: the old text stays; nothing may leave across the boundary.
    }
}
