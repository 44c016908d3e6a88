#pragma once
// Whole files as bytes, by UTF-8 path, for the command line's inputs and outputs.
// Failures throw std::runtime_error reading "<path>: <reason>". [any-thread]

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::cli {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// A file open for reading at any offset, for inputs too long to hold: WAV files are
// read a piece at a time. [any-thread], one thread at a time.
class InputFile {
public:
    // Opens `path` (UTF-8); refuses a folder, a missing file and one past 4 GiB.
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& Path() const noexcept { return path_; }
    std::uint64_t Size() const noexcept { return size_; }
    // Exactly `size` bytes from `offset`; a short read (the file got shorter) throws.
    void ReadAt(std::uint64_t offset, void* buffer, std::size_t size);

private:
    std::string path_;
    void* handle_ = nullptr;
    std::uint64_t size_ = 0;
};
// Replaces the file, all or nothing (through OutputFiles).
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The wide form of a UTF-8 path, for Windows calls.
std::wstring WidePath(const std::string& path);

}  // namespace aaxhost::cli
