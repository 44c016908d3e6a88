#include "aaxhost/cli/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "util/WideText.h"

namespace aaxhost::cli {

std::wstring WidePath(const std::string& path) {
    const Util::WideText wide = Util::ToWide(Util::String(path));
    return std::wstring(wide.CStr(), wide.Length());
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    const std::filesystem::path file(WidePath(path));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) throw std::runtime_error(path + ": no such file");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be opened for reading");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw std::runtime_error(path + ": read error");
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(std::filesystem::path(WidePath(path)), std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error(path + ": cannot be opened for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw std::runtime_error(path + ": write error");
}

}  // namespace aaxhost::cli
