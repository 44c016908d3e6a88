#pragma once
// Util::File: a file named by a Util::Path, with an optional C runtime stream. Nothing is
// opened at construction; an open stream is closed when the object goes, and a failure
// to close is not reported. Util::File::Error is the file error value.
// One thread at a time owns a file object; it is not copyable.

#include <cstdint>
#include <cstdio>
#include <optional>

#include "util/Error.h"
#include "util/Path.h"
#include "util/String.h"

namespace Util {

class File {
public:
    class Error;

    explicit File(Path path);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    const Path& GetPath() const noexcept { return path_; }

    // True when the native text names something that exists, a file or a folder (the
    // C runtime's wide access test in existence mode). False for the null path and for
    // every failure of the test.
    bool Exists() const;

    // Opens the stream with a C runtime mode ("rb", "wb", ...) on the native text. False
    // when the path is null, a stream is already open or the open fails.
    bool Open(const char* mode);
    bool IsOpen() const noexcept { return stream_ != nullptr; }

private:
    Path path_;
    std::FILE* stream_ = nullptr;    // owned; closed by the destructor
    std::uint32_t statusFlags_ = 0;  // reserved status bits, all clear
};

// Category "File", code 5, the message template without arguments, plus the native text
// of the file's path and the C runtime error number when one is known.
class File::Error : public BasicError<File::Error> {
public:
    static constexpr std::uint32_t kCode = 5;

    Error(String messageTemplate, String nativePath, std::optional<std::int32_t> errorNumber = std::nullopt);

    const String& NativePath() const noexcept { return nativePath_; }
    std::optional<std::int32_t> ErrorNumber() const noexcept { return errorNumber_; }

private:
    String nativePath_;
    std::optional<std::int32_t> errorNumber_;
};

}  // namespace Util
