#pragma once
// Turns C++ types into the kinds of the published-interface table (PublishedInterfaces.h),
// so a call or a declaration can be held against the table's signature: "i32 str ptr"
// is a 32-bit result, a text and another pointer.

#include <cstdint>
#include <string>
#include <type_traits>

namespace conformance {

// A reference parameter passed through a raw slot call: on x64 a reference travels as
// a pointer, and an 8-byte struct passed by value travels exactly as that pointer does.
template <class T>
struct Ref {
    T* pointer;
};

template <class T>
struct KindOf {
    static std::string Get() {
        using U = std::remove_cv_t<T>;
        if constexpr (std::is_void_v<U>) {
            return "void";
        } else if constexpr (std::is_reference_v<U>) {
            return "ref";
        } else if constexpr (std::is_pointer_v<U>) {
            return std::is_same_v<std::remove_cv_t<std::remove_pointer_t<U>>, char> ? "str" : "ptr";
        } else if constexpr (std::is_floating_point_v<U>) {
            return sizeof(U) == 4 ? "f32" : "f64";
        } else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) {
            return sizeof(U) == 1 ? "u8" : sizeof(U) == 4 ? "i32" : sizeof(U) == 8 ? "i64" : "i16";
        } else {
            return "value of " + std::to_string(sizeof(U)) + " bytes";
        }
    }
};
template <class T>
struct KindOf<Ref<T>> {
    static std::string Get() { return "ref"; }
};

// "R A1 A2 ...", as the table writes a method.
template <class R, class... Args>
std::string KindsOf() {
    std::string kinds = KindOf<R>::Get();
    ((kinds += " " + KindOf<Args>::Get()), ...);
    return kinds;
}

}  // namespace conformance
