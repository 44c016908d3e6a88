#pragma once
// AAX_CString: the module's string value, an AAX_IString over std::string. Parameter
// names and display texts are kept in it, and it is what the module passes wherever
// the host expects an AAX_IString. A value type. [any-thread], one owner at a time.

#include <cstdint>
#include <string>

#include "aax/AAX_IString.h"

class AAX_CString final : public AAX_IString {
public:
    // What MaxLength reports: no limit short of memory.
    static constexpr std::uint32_t kMaxStringLength = 0xFFFFFFFEu;

    AAX_CString() = default;
    AAX_CString(const char* text);  // null gives the empty text
    AAX_CString(std::string text) noexcept;
    explicit AAX_CString(const AAX_IString& other);
    AAX_CString(const AAX_CString& other) = default;
    AAX_CString(AAX_CString&& other) noexcept = default;
    AAX_CString& operator=(const AAX_CString& other) = default;
    AAX_CString& operator=(AAX_CString&& other) noexcept = default;
    ~AAX_CString() = default;

    void* ScalarDeletingDestructor(unsigned int flags) noexcept override;
    std::uint32_t Length() const noexcept override;
    std::uint32_t MaxLength() const noexcept override;
    const char* Get() const noexcept override;
    void Set(const char* text) noexcept override;
    AAX_IString& operator=(const char* text) noexcept override;
    AAX_IString& operator=(const AAX_IString& other) noexcept override;

    const std::string& StdString() const noexcept { return text_; }
    bool Empty() const noexcept { return text_.empty(); }
    void Clear() noexcept { text_.clear(); }

    friend bool operator==(const AAX_CString& a, const AAX_CString& b) noexcept { return a.text_ == b.text_; }
    friend bool operator!=(const AAX_CString& a, const AAX_CString& b) noexcept { return !(a == b); }

private:
    std::string text_;
};
