#include "util/RegistryName.h"

#include <string>
#include <utility>

namespace Util {

String RegistryKeyPathOf(const String& text) {
    std::string bytes = text.Bytes();
    for (char& c : bytes)
        if (c == '/') c = '\\';
    return String(std::move(bytes));
}

String JoinRegistryKeyPath(const String& keyPath, const String& subkey) {
    if (subkey.IsEmpty()) return String(keyPath.Bytes());
    if (keyPath.IsEmpty()) return String(subkey.Bytes());
    return String(keyPath.Bytes() + "\\" + subkey.Bytes());
}

RegistryValueLocation LocateRegistryValue(const String& keyPath, const String& name) {
    const std::string& bytes = name.Bytes();
    std::string subkey;   // the separated parts seen so far, joined with '\'
    std::string current;  // the part after the last separator
    bool separated = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (c == '\\' && at + 1 < bytes.size() && bytes[at + 1] == '/') {
            current += '/';
            ++at;
        } else if (c == '/' || c == '\\') {
            if (separated) subkey += '\\';
            subkey += current;
            current.clear();
            separated = true;
        } else {
            current += c;
        }
    }
    return {JoinRegistryKeyPath(keyPath, String(std::move(subkey))), String(std::move(current))};
}

}  // namespace Util
