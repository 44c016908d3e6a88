#pragma once
// The check a module file passes before lmprime hands it to the system's resource
// functions, which trust the file: a corrupt resource tree makes them crash, loop or
// write garbage. Read from the file's bytes alone, little-endian. Pure. [any-thread]

#include <string>
#include <vector>

// What makes `bytes` unfit for priming, as a phrase that follows the file's name
// ("is not a DLL ..."), or "" when they are fit: an x86-64 (PE32+) DLL whose headers,
// section table and sections lie within the file and whose resource tree (when it has
// one) lies within the section that holds it: every directory, name and data entry,
// three levels deep (type, name, language), no directory reached twice.
std::string ModuleImageProblem(const std::vector<unsigned char>& bytes);
