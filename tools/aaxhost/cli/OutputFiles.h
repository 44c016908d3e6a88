#pragma once
// The files one command writes, all or nothing. Each is written in full to a temporary
// file beside its target (the same folder, so that a rename puts it in place), flushed
// and closed; Commit then moves every one onto its target, replacing what was there.
// A failure on the way, or an OutputFiles that goes without Commit, leaves no temporary
// file and every target as it was: a full disk or an unwritable second output never
// leaves a truncated or an orphaned first one. Failures throw std::runtime_error
// reading "<path>: <reason>". [ui-thread]

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::cli {

class OutputFiles {
public:
    OutputFiles() = default;
    // Removes the temporary files of a command that did not commit.
    ~OutputFiles();
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    // Writes `bytes` to a temporary file beside `path` (UTF-8).
    void Add(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // The same in pieces, for an output too long to hold: Open starts the temporary file
    // and gives its number, Append adds bytes at its end, Finish flushes and closes it.
    // Every opened file is finished before Commit (std::logic_error otherwise).
    std::size_t Open(const std::string& path);
    void Append(std::size_t file, const std::uint8_t* bytes, std::size_t size);
    void Finish(std::size_t file);
    // Moves every file added onto its target. When one cannot be moved, the ones
    // already moved are taken back and the earlier targets restored.
    void Commit();

private:
    struct Output {
        std::string path;        // as given, for messages
        std::wstring target;     // where it goes
        std::wstring temporary;  // what Add wrote
        std::wstring aside;      // the earlier target while Commit runs; empty: none
        void* handle = nullptr;  // while open: Open to Finish
        bool failed = false;     // a write failed: the temporary is gone
        bool placed = false;
    };
    Output& Opened(std::size_t file);
    [[noreturn]] void Fail(Output& output, unsigned long code);
    void TakeBack();

    std::vector<Output> outputs_;
};

}  // namespace aaxhost::cli
