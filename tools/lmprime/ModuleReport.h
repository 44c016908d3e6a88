#pragma once
// What "lmprime --show" prints: the hook resources of a module, one line each, with
// absent, empty, unterminated and over-long resources named as such. Texts are printed
// as UTF-8; control bytes and bytes that are not UTF-8 appear as \xNN. [any-thread]

#include <cstddef>
#include <string>

#include "ModuleResources.h"

// One resource's description, without its name: "absent", "empty resource (0 bytes)",
// "empty text (unprimed hook)" or the quoted text with notes. `maxLength` is the
// longest text the hook accepts. Pure.
std::string DescribeResource(const NamedResource& resource, std::size_t maxLength);

// The report for the module file at `modulePath`, a line per resource, ending in "\n".
bool DescribeModule(const std::wstring& modulePath, std::string& report, std::string& error);
