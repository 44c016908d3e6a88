#include "aax/acfunknown.h"

namespace {

char* PutHex(char* out, std::uint32_t value, int digits) noexcept {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i) *out++ = kDigits[(value >> (4 * i)) & 0xF];
    return out;
}

}  // namespace

char* AcfIIDText(const acfIID& iid, char (&buffer)[39]) noexcept {
    char* out = buffer;
    *out++ = '{';
    out = PutHex(out, iid.data1, 8);
    *out++ = '-';
    out = PutHex(out, iid.data2, 4);
    *out++ = '-';
    out = PutHex(out, iid.data3, 4);
    *out++ = '-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2) *out++ = '-';
        out = PutHex(out, iid.data4[i], 2);
    }
    *out++ = '}';
    *out = '\0';
    return buffer;
}
