#include "ModuleImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>

namespace {

// The file's records, for their sizes and field offsets; fields are read byte by byte.
struct DosHeader {
    std::uint8_t magic[2];  // "MZ"
    std::uint8_t unused[58];
    std::uint32_t newHeaderOffset;  // where "PE\0\0" starts
};
static_assert(sizeof(DosHeader) == 64 && offsetof(DosHeader, newHeaderOffset) == 0x3C);

struct FileHeader {
    std::uint16_t machine;
    std::uint16_t numberOfSections;
    std::uint32_t timeDateStamp;
    std::uint32_t pointerToSymbolTable;
    std::uint32_t numberOfSymbols;
    std::uint16_t sizeOfOptionalHeader;
    std::uint16_t characteristics;
};
static_assert(sizeof(FileHeader) == 20 && offsetof(FileHeader, sizeOfOptionalHeader) == 16 &&
              offsetof(FileHeader, characteristics) == 18);

struct DataDirectory {
    std::uint32_t rva;
    std::uint32_t size;
};
static_assert(sizeof(DataDirectory) == 8);

struct OptionalHeader64 {
    std::uint16_t magic;
    std::uint8_t linkerVersion[2];
    std::uint32_t sizeOfCode, sizeOfInitializedData, sizeOfUninitializedData, addressOfEntryPoint, baseOfCode;
    std::uint64_t imageBase;
    std::uint32_t sectionAlignment, fileAlignment;
    std::uint16_t versions[6];
    std::uint32_t win32VersionValue, sizeOfImage, sizeOfHeaders, checkSum;
    std::uint16_t subsystem, dllCharacteristics;
    std::uint64_t stackReserve, stackCommit, heapReserve, heapCommit;
    std::uint32_t loaderFlags, numberOfRvaAndSizes;
    DataDirectory directories[16];
};
static_assert(sizeof(OptionalHeader64) == 240 && offsetof(OptionalHeader64, numberOfRvaAndSizes) == 108 &&
              offsetof(OptionalHeader64, directories) == 112);

struct SectionHeader {
    std::uint8_t name[8];
    std::uint32_t virtualSize, virtualAddress, sizeOfRawData, pointerToRawData;
    std::uint32_t pointerToRelocations, pointerToLinenumbers;
    std::uint16_t numberOfRelocations, numberOfLinenumbers;
    std::uint32_t characteristics;
};
static_assert(sizeof(SectionHeader) == 40 && offsetof(SectionHeader, virtualSize) == 8 &&
              offsetof(SectionHeader, pointerToRawData) == 20);

struct ResourceDirectory {
    std::uint32_t characteristics, timeDateStamp;
    std::uint16_t majorVersion, minorVersion, namedEntries, idEntries;
};
static_assert(sizeof(ResourceDirectory) == 16 && offsetof(ResourceDirectory, namedEntries) == 12);

struct ResourceEntry {
    std::uint32_t name;    // high bit: offset of a counted UTF-16 name, else a number
    std::uint32_t target;  // high bit: offset of a subdirectory, else of a data entry
};
static_assert(sizeof(ResourceEntry) == 8);

struct ResourceData {
    std::uint32_t rva, size, codePage, reserved;
};
static_assert(sizeof(ResourceData) == 16);

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kMachineX64 = 0x8664;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;
constexpr std::uint16_t kFileIsDll = 0x2000;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kMaxSections = 96;  // what the loader accepts
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr int kLanguageLevel = 2;  // type, name, language: data entries hang below the third level

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

class ImageReader {
public:
    explicit ImageReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    std::string Problem() {
        const std::string noModule = "is not a Windows module (no PE header)";
        if (!Holds(0, sizeof(DosHeader)) || bytes_[0] != 'M' || bytes_[1] != 'Z') return noModule;
        const std::uint64_t nt = U32(offsetof(DosHeader, newHeaderOffset));
        if (!Holds(nt, 4 + sizeof(FileHeader)) || U32(nt) != kPeSignature) return noModule;
        const std::uint64_t file = nt + 4;
        const std::uint16_t machine = U16(file + offsetof(FileHeader, machine));
        if (machine != kMachineX64) return "is not an x86-64 module (machine " + Hex(machine) + ")";
        const std::uint64_t optional = file + sizeof(FileHeader);
        const std::uint16_t optionalSize = U16(file + offsetof(FileHeader, sizeOfOptionalHeader));
        if (optionalSize < offsetof(OptionalHeader64, directories) || !Holds(optional, optionalSize) ||
            U16(optional + offsetof(OptionalHeader64, magic)) != kMagicPe32Plus)
            return "is not a PE32+ (64-bit) image";
        if ((U16(file + offsetof(FileHeader, characteristics)) & kFileIsDll) == 0)
            return "is not a DLL (its header marks an executable)";

        const std::uint32_t sectionCount = U16(file + offsetof(FileHeader, numberOfSections));
        if (sectionCount == 0 || sectionCount > kMaxSections)
            return "declares " + std::to_string(sectionCount) + " sections";
        const std::uint64_t table = optional + optionalSize;
        if (!Holds(table, std::uint64_t{sectionCount} * sizeof(SectionHeader)))
            return "has a section table that runs past the end of the file";
        for (std::uint32_t i = 0; i < sectionCount; ++i) {
            const std::uint64_t at = table + std::uint64_t{i} * sizeof(SectionHeader);
            Section section{U32(at + offsetof(SectionHeader, virtualAddress)),
                            U32(at + offsetof(SectionHeader, virtualSize)),
                            U32(at + offsetof(SectionHeader, sizeOfRawData)),
                            U32(at + offsetof(SectionHeader, pointerToRawData))};
            if (section.rawSize != 0 && !Holds(section.rawOffset, section.rawSize))
                return "has a section (number " + std::to_string(i + 1) + ") that runs past the end of the file";
            sections_.push_back(section);
        }

        const std::uint32_t directoryCount = U32(optional + offsetof(OptionalHeader64, numberOfRvaAndSizes));
        const std::uint64_t entry =
            offsetof(OptionalHeader64, directories) + kResourceDirectoryIndex * sizeof(DataDirectory);
        if (directoryCount <= kResourceDirectoryIndex || optionalSize < entry + sizeof(DataDirectory)) return "";
        const std::uint32_t rva = U32(optional + entry + offsetof(DataDirectory, rva));
        const std::uint32_t size = U32(optional + entry + offsetof(DataDirectory, size));
        if (rva == 0 && size == 0) return "";  // no resources yet: the updater adds a section
        const Section* home = SectionHolding(rva, size);
        if (home == nullptr)
            return "has a resource directory (RVA " + Hex(rva) + ", " + std::to_string(size) +
                   " bytes) outside its sections' data";
        treeStart_ = home->rawOffset + (rva - home->rva);
        treeEnd_ = home->rawOffset + home->MappedRawSize();
        return Directory(0, 0);
    }

private:
    struct Section {
        std::uint32_t rva, virtualSize, rawSize, rawOffset;
        // The part of the raw data the loader maps: no more than the section's size in memory.
        std::uint64_t MappedRawSize() const {
            return virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
        }
    };

    bool Holds(std::uint64_t offset, std::uint64_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }
    std::uint16_t U16(std::uint64_t at) const { return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8)); }
    std::uint32_t U32(std::uint64_t at) const {
        return static_cast<std::uint32_t>(U16(at)) | (static_cast<std::uint32_t>(U16(at + 2)) << 16);
    }

    // The section whose mapped raw data holds [rva, rva + size).
    const Section* SectionHolding(std::uint32_t rva, std::uint32_t size) const {
        for (const Section& section : sections_)
            if (rva >= section.rva && rva - section.rva < section.MappedRawSize() &&
                size <= section.MappedRawSize() - (rva - section.rva))
                return &section;
        return nullptr;
    }

    // Whether [offset, offset + size) from the tree's start lies within the resource section.
    bool InTree(std::uint64_t offset, std::uint64_t size) const {
        const std::uint64_t room = treeEnd_ - treeStart_;
        return offset <= room && size <= room - offset;
    }
    std::uint64_t At(std::uint64_t offset) const { return treeStart_ + offset; }

    std::string Directory(std::uint32_t offset, int level) {
        const std::string where = "resource directory at offset " + Hex(offset);
        if (!visited_.insert(offset).second) return "has a resource tree that reaches its " + where + " twice";
        if (!InTree(offset, sizeof(ResourceDirectory))) return "has a " + where + " past its resource section";
        const std::uint32_t named = U16(At(offset + offsetof(ResourceDirectory, namedEntries)));
        const std::uint32_t count = named + U16(At(offset + offsetof(ResourceDirectory, idEntries)));
        const std::uint64_t entries = std::uint64_t{offset} + sizeof(ResourceDirectory);
        if (!InTree(entries, std::uint64_t{count} * sizeof(ResourceEntry)))
            return "has a " + where + " whose " + std::to_string(count) + " entries run past its resource section";
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint64_t entry = entries + std::uint64_t{i} * sizeof(ResourceEntry);
            const std::uint32_t name = U32(At(entry + offsetof(ResourceEntry, name)));
            const std::uint32_t target = U32(At(entry + offsetof(ResourceEntry, target)));
            // Named entries come first, as many as the directory counts.
            if (((name & kHighBit) != 0) != (i < named))
                return "has a " + where + " whose entry counts do not match its entries";
            if ((name & kHighBit) != 0) {
                const std::uint32_t text = name & ~kHighBit;
                if (!InTree(text, 2) || !InTree(std::uint64_t{text} + 2, std::uint64_t{U16(At(text))} * 2))
                    return "has a resource name at offset " + Hex(text) + " past its resource section";
            }
            const std::uint32_t child = target & ~kHighBit;
            const bool isDirectory = (target & kHighBit) != 0;
            if (isDirectory != (level < kLanguageLevel))
                return "has a " + where + " that is not three levels deep (type, name, language)";
            const std::string problem = isDirectory ? Directory(child, level + 1) : Data(child);
            if (!problem.empty()) return problem;
        }
        return "";
    }

    std::string Data(std::uint32_t offset) const {
        if (!InTree(offset, sizeof(ResourceData)))
            return "has a resource data entry at offset " + Hex(offset) + " past its resource section";
        const std::uint32_t rva = U32(At(offset + offsetof(ResourceData, rva)));
        const std::uint32_t size = U32(At(offset + offsetof(ResourceData, size)));
        if (SectionHolding(rva, size) == nullptr)
            return "has resource data (RVA " + Hex(rva) + ", " + std::to_string(size) +
                   " bytes) outside its sections' data";
        return "";
    }

    const std::vector<unsigned char>& bytes_;
    std::vector<Section> sections_;
    std::uint64_t treeStart_ = 0;
    std::uint64_t treeEnd_ = 0;
    std::set<std::uint32_t> visited_;
};

}  // namespace

std::string ModuleImageProblem(const std::vector<unsigned char>& bytes) { return ImageReader(bytes).Problem(); }
