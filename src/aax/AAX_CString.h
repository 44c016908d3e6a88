#pragma once
// AAX_CString: the module's string value, an AAX_IString over std::string. Parameter
// names and display texts are kept in it, and it is what the module passes wherever
// the host expects an AAX_IString. A value type. [any-thread], one owner at a time.

#include <cstdint>
#include <string>

#include "aax/AAX_IString.h"

class AAX_CString final : public AAX_IString {
public:
    AAX_CString() = default;
    AAX_CString(const char* text);  // null gives the empty text
    AAX_CString(std::string text) noexcept;
    explicit AAX_CString(const AAX_IString& other);

    std::uint32_t Length() const noexcept override;
    const char* Get() const noexcept override;
    void Set(const char* text) noexcept override;

    const std::string& StdString() const noexcept { return text_; }
    bool Empty() const noexcept { return text_.empty(); }
    void Clear() noexcept { text_.clear(); }

    friend bool operator==(const AAX_CString& a, const AAX_CString& b) noexcept { return a.text_ == b.text_; }
    friend bool operator!=(const AAX_CString& a, const AAX_CString& b) noexcept { return !(a == b); }

private:
    std::string text_;
};
