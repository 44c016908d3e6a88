#pragma once
// Util::Path: a file-system path as UTF-8 text, resolved once at construction against
// the "HOME" variable and the working directory, and turned into native text (system
// separators, no "." or "..", short names expanded, no trailing separator) whenever it
// is handed to the system. The text rules are in util/PathText.h.
// A value type: the process state it reads (HOME, the working directory) is read at
// construction only. [any-thread], one owner at a time.

#include "util/String.h"

namespace Util {

class Path {
public:
    Path() noexcept = default;  // the null path

    // Text that is only white space (or null) gives the null path. Otherwise "~" alone, or
    // a leading "~/" or "~\", is replaced by HOME and "/" (just "/" when HOME is not set),
    // and a relative text is put after the working directory and "/" (just "/" when the
    // working directory cannot be read). Construction never fails.
    explicit Path(const String& text);

    bool IsNull() const noexcept { return text_.IsNull(); }
    // The text construction resolved; null for the null path.
    const String& Text() const noexcept { return text_; }

    // The text to give the system. A text that contains '~' is first expanded with the
    // system's long-name conversion and kept as it is when that fails (nothing of that
    // name exists); every other text is normalised component by component. Null for
    // the null path.
    String NativeText() const;

    // The last component (see FileNameOf); null when there is none.
    String FileName() const;

    // `text` followed by "/", the separator used when a path is built from pieces.
    static String AppendSeparator(const String& text);

private:
    String text_;
};

}  // namespace Util
