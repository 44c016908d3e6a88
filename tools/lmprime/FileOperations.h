#pragma once
// The file-system steps of priming and bundling, behind one Windows-facing file.
// Paths are UTF-16. Every operation that can fail returns false and sets `error` to a
// UTF-8 text naming the path and the system's reason. [any-thread]

#include <string>
#include <vector>

// The UTF-8 form of a wide text, for messages.
std::string Utf8(const std::wstring& text);

bool ReadWholeFile(const std::wstring& path, std::vector<unsigned char>& bytes, std::string& error);

bool IsExistingFile(const std::wstring& path);
bool IsExistingDirectory(const std::wstring& path);
bool PathExists(const std::wstring& path);

// The folder part of `path` (before its last '\' or '/'), "." when there is none.
std::wstring FolderOf(const std::wstring& path);
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// A new file beside `target` (same folder, so that it can later be moved onto `target`
// in one step) holding `bytes`. The name is unused and starts with '.'.
bool CreateTemporaryFileBeside(const std::wstring& target, const std::vector<unsigned char>& bytes,
                               std::wstring& temporary, std::string& error);
// A new, empty folder beside `target`, named like the temporary files.
bool CreateTemporaryFolderBeside(const std::wstring& target, std::wstring& temporary, std::string& error);
// A name beside `target` that nothing uses at the moment of the call.
std::wstring UnusedNameBeside(const std::wstring& target, const wchar_t* tag);

// Renames `from` to `to`, replacing an existing file `to`.
bool MoveReplacing(const std::wstring& from, const std::wstring& to, std::string& error);
// Renames `from` to `to`, which must not exist (files and folders alike).
bool MoveNew(const std::wstring& from, const std::wstring& to, std::string& error);
bool CopyFileReplacing(const std::wstring& from, const std::wstring& to, std::string& error);

// Makes `folder` and any missing parents; `created` receives the folders made, outermost
// first, so that a failing caller can remove them again.
bool CreateFolders(const std::wstring& folder, std::vector<std::wstring>& created, std::string& error);
// Removes empty folders, innermost first (the reverse of CreateFolders' list).
void RemoveCreatedFolders(const std::vector<std::wstring>& created);

// Removes a file, or a folder with everything in it. Links inside are removed, never
// followed. Best effort: what cannot be removed stays.
void RemoveTree(const std::wstring& path);
