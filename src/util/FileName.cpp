#include "util/FileName.h"

namespace Util {

String FileNameOf(const String& path) {
    std::string text = path.Bytes();
    while (!text.empty() && (text.back() == '/' || text.back() == '\\')) text.pop_back();

    const std::size_t separator = text.find_last_of("/\\");
    std::string name;
    if (separator != std::string::npos)
        name = text.substr(separator + 1);
    else if (text.size() >= 2 && text[1] == ':')
        name = text.substr(2);
    else
        name = text;
    return name.empty() ? String() : String(std::move(name));
}

}  // namespace Util
