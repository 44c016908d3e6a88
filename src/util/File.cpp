#include "util/File.h"

#include <io.h>

#include <cerrno>
#include <utility>

#include "util/WideText.h"

namespace Util {

File::Error::Error(String messageTemplate, String nativePath, std::optional<std::int32_t> errorNumber)
    : BasicError<File::Error>(String("File"), kCode, std::move(messageTemplate)),
      nativePath_(std::move(nativePath)),
      errorNumber_(errorNumber) {}

File::File(Path path) : path_(std::move(path)) {}

File::~File() {
    if (stream_ == nullptr) return;
    std::FILE* const stream = stream_;
    stream_ = nullptr;
    if (std::fclose(stream) == 0) return;
    const int errorNumber = errno;
    // Nobody can be told from a destructor: the error is built and its message formed,
    // then dropped.
    try {
        const Error error(String("Close failed"), path_.NativeText(), errorNumber);
        static_cast<void>(error.Message());
    } catch (...) {
    }
}

bool File::Exists() const {
    if (path_.IsNull()) return false;
    const WideText native = ToWide(path_.NativeText());
    return _waccess(native.CStr(), 0) == 0;
}

bool File::Open(const char* mode) {
    if (path_.IsNull() || stream_ != nullptr || mode == nullptr) return false;
    const WideText native = ToWide(path_.NativeText());
    const WideText wideMode = ToWide(String(mode));
    stream_ = _wfopen(native.CStr(), wideMode.CStr());
    return stream_ != nullptr;
}

}  // namespace Util
