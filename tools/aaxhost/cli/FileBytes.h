#pragma once
// Whole files as bytes, by UTF-8 path, for the command line's inputs and outputs.
// Failures throw std::runtime_error reading "<path>: <reason>". [any-thread]

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::cli {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// Replaces the file, all or nothing (through OutputFiles).
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The wide form of a UTF-8 path, for Windows calls.
std::wstring WidePath(const std::string& path);

}  // namespace aaxhost::cli
