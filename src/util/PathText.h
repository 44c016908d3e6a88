#pragma once
// The text rules behind Util::Path: the white-space test, home-folder resolution, the
// relative-path test, component normalisation and the cleaning that yields the native
// text. Pure functions on UTF-8 bytes: separators, '.', '?', ':' and '~' are ASCII and
// never occur inside a multibyte sequence, so working on bytes gives the same result as
// working on UTF-16 and leaves every other byte as it was. [any-thread]
//
// Rules chosen for this module:
// - ".." removes the component before it. With nothing removable before it (only a root,
//   a drive "X:" or a network prefix) it is dropped, as the system does above a root:
//   "C:/../x" and "/../x" give "C:\x" and "\x".
// - A network path keeps its leading pair of separators ("\\server\share\x"); server and
//   share are ordinary components otherwise.
// - The long-path prefix is dropped: "\\?\C:\x" gives "C:\x" and "\\?\UNC\server\x" gives
//   "\\server\x". The native text never carries it, so it is limited to what the system
//   accepts without that prefix. Device paths ("\\.\") are not supported.
// - A drive root has no trailing separator either: "C:/" gives "C:".

#include "util/String.h"

namespace Util {
namespace PathText {

// True when nothing but white space is left: runs of white space reduced, ends trimmed
// and a cut-off multibyte sequence at the end dropped. White space is the space, the
// control bytes 9 to 13 and U+00A0 (no-break space, the UTF-8 pair C2 A0).
bool IsBlank(const String& text);

// "~" alone, a leading "~/" or a leading "~\" becomes `home` followed by "/" and the rest;
// a null `home` (variable not set) gives "/" and the rest. Other texts come back as they are.
String ResolveHome(const String& text, const String& home);

// A text is relative unless, with '/' read as '\', it has ':' as its second character
// ("C:\x") or begins with '\': a network path ("\\server\x") or a path rooted on the
// current drive ("\x"), which the system does not read against the working directory.
bool IsRelative(const String& text);

// True when the text begins with two separators ('/' or '\').
bool IsNetworkPath(const String& text);

// Removes a leading "\\?\" (either separator accepted); "\\?\UNC\" becomes "\\".
String StripLongPathPrefix(const String& text);

// Prepares a text for the system's long-name expansion: the long-path prefix stripped,
// '/' turned into '\' and trailing backslashes removed.
String PrepareForLongNameExpansion(const String& text);

// Component normalisation: separators unified, runs of separators collapsed (a network
// prefix kept), "." dropped and ".." resolved. The result uses '/'.
String NormaliseComponents(const String& text);

// Cleaning and the trailing-separator rule: the long-path prefix stripped, runs of
// separators collapsed (a leading "//" kept), "." and ".." resolved, and no trailing
// separator. The result uses '\': it is the native text.
String FinishNativeText(const String& text);

}  // namespace PathText
}  // namespace Util
