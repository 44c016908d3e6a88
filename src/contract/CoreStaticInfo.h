#pragma once
// CoreStaticInfo: the core's self-description for one plug-in format. The core fills
// the first 9204 bytes when it answers the static-information request; the hook adds
// the `valid` byte behind them. The offsets of the named fields are part of the
// hook-core contract; every byte between them belongs to the core, and the hook
// neither reads nor writes it. Integers are little-endian, texts 8-bit and
// NUL-terminated within their field.
//
// A record is filled once and never changed afterwards, so readers on any thread use
// it without a lock. Read fields through the accessors: they keep every text inside
// its own field even when the core leaves out the terminating NUL. Test IsValid()
// before relying on any other field. [any-thread]

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "util/String.h"

// Positions of the 15 stem-format availability flags (offset 1196 + 4 x position).
enum StemPosition : std::uint32_t {
    kStemMono = 0,
    kStemMonoInStereoOut = 1,
    kStemStereo = 2,
    kStemLcr = 3,
    kStemPosition4 = 4,  // a three-channel layout counted by the AudioSuite channel count only
    kStemLcrs = 5,
    kStemQuad = 6,
    kStem5_0 = 7,
    kStem5_1 = 8,
    kStem7_0Dts = 9,
    kStem7_0Sdds = 10,
    kStem7_1Dts = 11,
    kStem7_1_2 = 12,
    kStem7_0_2 = 13,
    kStem7_1Sdds = 14,
};
constexpr std::uint32_t kStemPositionCount = 15;

struct CoreStaticInfo {
    static constexpr std::size_t kCoreSize = 9204;       // bytes the core writes
    static constexpr std::size_t kExplicitIdCount = 18;  // one per plug-in ID kind

    std::uint8_t reserved0[576];

    // Short product name; fills "%1" of the editor window class name and names the
    // side-chain input ("%1 2"). Read by the parameter set and the editor window.
    char nameStem[64];
    // 0x4F ('O') lets the state loader accept two older state format IDs.
    std::uint8_t legacyStateMarker;
    std::uint8_t reserved641[63];
    // Every effect ID is this stem, one blank and a variant name; also the editor
    // window's title. Read by the effect description and the editor window.
    char effectIdStem[448];
    // Package version handed to the host; also written into state chunk headers and
    // used in the editor window class name.
    std::uint32_t packageVersion;
    std::uint8_t reserved1156[4];
    // Written into and checked against the header of every saved state.
    std::uint32_t stateFormatId;
    std::uint32_t stateVersion;
    std::uint8_t reserved1168[8];
    // Nonzero: an instrument. MIDI nodes are described, host MIDI is read and no
    // AudioSuite effect is registered.
    std::uint32_t instrumentFlag;
    // Nonzero: MIDI nodes are described and host MIDI is read; AudioSuite stays.
    std::uint32_t midiInputFlag;
    // Nonzero: a side-chain input is described and handed to the core.
    std::uint32_t sideChainFlag;
    // Number of stereo auxiliary output stems.
    std::uint32_t auxOutputCount;
    // 1: each side-chain input reaches the core as one channel.
    std::uint32_t sideChainMonoFlag;
    // Nonzero: the channel layout at that position (StemPosition) is available.
    std::uint32_t stemAvailable[kStemPositionCount];
    std::uint8_t reserved1256[8];
    // 1: each hook object keeps a host-information store for the core.
    std::uint32_t hostInfoStoreFlag;
    std::uint8_t reserved1268[28];
    // Initial editor window size in pixels.
    std::int32_t editorWidth;
    std::int32_t editorHeight;
    std::uint8_t reserved1304[2432];
    // Manufacturer name; only the text before the first line feed is used.
    char manufacturerName[1024];
    // Four-character manufacturer code: the host's manufacturer ID property and a field
    // of every state chunk header.
    std::uint32_t manufacturerId;
    // Line-feed separated names, longest first: effect and package names.
    char nameList[3072];
    // Base of the derived plug-in type IDs.
    std::uint32_t basePluginId;
    // AAX plug-in category bits; the description honours 0x1 to 0x2000.
    std::uint32_t categoryMask;
    std::uint8_t reserved7844[4];
    // AudioSuite analysis: the value of component property 103 (and, nonzero, of 118
    // set to 1); the editor then reports the analysis button label.
    std::uint32_t audioSuiteAnalysisFlag;
    // Zero: no realtime effect is registered at all.
    std::uint32_t realtimeFlag;
    // Nonzero: AudioSuite properties 107 and 108 are set to 1.
    std::uint32_t audioSuiteFlagA;
    // Zero: the offline processor re-configures the core to the host's channel count.
    std::uint32_t audioSuiteFixedLayoutFlag;
    std::uint8_t reserved7864[4];
    // Nonzero: AudioSuite property 115 defaults to 1.
    std::uint32_t audioSuiteProperty115Default;
    // Nonzero: AudioSuite property 110 is set to 1.
    std::uint32_t audioSuiteFlagB;
    // Value of AudioSuite property 102.
    std::uint32_t audioSuiteProperty102;
    // Nonzero: every plug-in type ID comes from explicitIds.
    std::uint32_t explicitIdsFlag;
    // With explicitIdsFlag zero: nonzero derives IDs from basePluginId, zero uses the
    // fixed four-character codes.
    std::uint32_t deriveIdsFlag;
    // One plug-in type ID per ID kind, in PluginIdKind order.
    std::uint32_t explicitIds[kExplicitIdCount];
    // Value of AudioSuite property 101.
    std::uint32_t audioSuiteProperty101;
    // Label the editor reports for the AudioSuite analysis button.
    char analysisLabel[1240];

    // Written by the hook, not by the core: 1 only when the core filled the record.
    std::uint8_t valid;
    std::uint8_t reserved9205[3];

    bool IsValid() const noexcept { return valid == 1; }

    Util::String NameStem() const;
    std::uint8_t LegacyStateMarker() const noexcept { return legacyStateMarker; }
    Util::String EffectIdStem() const;
    std::uint32_t PackageVersion() const noexcept { return packageVersion; }
    std::uint32_t StateFormatId() const noexcept { return stateFormatId; }
    std::uint32_t StateVersion() const noexcept { return stateVersion; }
    bool IsInstrument() const noexcept { return instrumentFlag != 0; }
    bool HasMidiInput() const noexcept { return midiInputFlag != 0; }
    bool HasSideChain() const noexcept { return sideChainFlag != 0; }
    std::uint32_t AuxOutputCount() const noexcept { return auxOutputCount; }
    bool IsSideChainMono() const noexcept { return sideChainMonoFlag == 1; }
    // False for a position of 15 or more.
    bool StemAvailable(std::uint32_t position) const noexcept;
    bool KeepsHostInfoStore() const noexcept { return hostInfoStoreFlag == 1; }
    std::int32_t EditorWidth() const noexcept { return editorWidth; }
    std::int32_t EditorHeight() const noexcept { return editorHeight; }
    // The text before the first line feed; all of it when there is none.
    Util::String ManufacturerName() const;
    std::uint32_t ManufacturerId() const noexcept { return manufacturerId; }
    // One entry per line: a trailing line feed adds no empty name, an empty line between
    // two line feeds adds one, an empty list gives none.
    std::vector<Util::String> NameList() const;
    std::uint32_t BasePluginId() const noexcept { return basePluginId; }
    std::uint32_t CategoryMask() const noexcept { return categoryMask; }
    std::uint32_t AudioSuiteAnalysisFlag() const noexcept { return audioSuiteAnalysisFlag; }
    bool HasRealtime() const noexcept { return realtimeFlag != 0; }
    bool AudioSuiteFlagA() const noexcept { return audioSuiteFlagA != 0; }
    bool HasFixedAudioSuiteLayout() const noexcept { return audioSuiteFixedLayoutFlag != 0; }
    bool AudioSuiteProperty115Default() const noexcept { return audioSuiteProperty115Default != 0; }
    bool AudioSuiteFlagB() const noexcept { return audioSuiteFlagB != 0; }
    std::uint32_t AudioSuiteProperty102() const noexcept { return audioSuiteProperty102; }
    bool UsesExplicitIds() const noexcept { return explicitIdsFlag != 0; }
    bool DerivesIds() const noexcept { return deriveIdsFlag != 0; }
    // 0 for a kind of 18 or more.
    std::uint32_t ExplicitId(std::uint32_t kind) const noexcept;
    std::uint32_t AudioSuiteProperty101() const noexcept { return audioSuiteProperty101; }
    Util::String AnalysisLabel() const;
};

static_assert(std::is_standard_layout<CoreStaticInfo>::value, "offsetof needs a standard-layout record");
static_assert(sizeof(CoreStaticInfo) == 9208, "9204 core bytes and the valid byte, padded");
static_assert(offsetof(CoreStaticInfo, nameStem) == 576, "contract offset");
static_assert(offsetof(CoreStaticInfo, legacyStateMarker) == 640, "contract offset");
static_assert(offsetof(CoreStaticInfo, effectIdStem) == 704, "contract offset");
static_assert(offsetof(CoreStaticInfo, packageVersion) == 1152, "contract offset");
static_assert(offsetof(CoreStaticInfo, stateFormatId) == 1160, "contract offset");
static_assert(offsetof(CoreStaticInfo, stateVersion) == 1164, "contract offset");
static_assert(offsetof(CoreStaticInfo, instrumentFlag) == 1176, "contract offset");
static_assert(offsetof(CoreStaticInfo, midiInputFlag) == 1180, "contract offset");
static_assert(offsetof(CoreStaticInfo, sideChainFlag) == 1184, "contract offset");
static_assert(offsetof(CoreStaticInfo, auxOutputCount) == 1188, "contract offset");
static_assert(offsetof(CoreStaticInfo, sideChainMonoFlag) == 1192, "contract offset");
static_assert(offsetof(CoreStaticInfo, stemAvailable) == 1196, "contract offset");
static_assert(offsetof(CoreStaticInfo, stemAvailable) + sizeof(CoreStaticInfo::stemAvailable) == 1256,
              "last availability flag at 1252");
static_assert(offsetof(CoreStaticInfo, hostInfoStoreFlag) == 1264, "contract offset");
static_assert(offsetof(CoreStaticInfo, editorWidth) == 1296, "contract offset");
static_assert(offsetof(CoreStaticInfo, editorHeight) == 1300, "contract offset");
static_assert(offsetof(CoreStaticInfo, manufacturerName) == 3736, "contract offset");
static_assert(offsetof(CoreStaticInfo, manufacturerId) == 4760, "contract offset");
static_assert(offsetof(CoreStaticInfo, nameList) == 4764, "contract offset");
static_assert(offsetof(CoreStaticInfo, basePluginId) == 7836, "contract offset");
static_assert(offsetof(CoreStaticInfo, categoryMask) == 7840, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteAnalysisFlag) == 7848, "contract offset");
static_assert(offsetof(CoreStaticInfo, realtimeFlag) == 7852, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteFlagA) == 7856, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteFixedLayoutFlag) == 7860, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteProperty115Default) == 7868, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteFlagB) == 7872, "contract offset");
static_assert(offsetof(CoreStaticInfo, audioSuiteProperty102) == 7876, "contract offset");
static_assert(offsetof(CoreStaticInfo, explicitIdsFlag) == 7880, "contract offset");
static_assert(offsetof(CoreStaticInfo, deriveIdsFlag) == 7884, "contract offset");
static_assert(offsetof(CoreStaticInfo, explicitIds) == 7888, "contract offset");
static_assert(offsetof(CoreStaticInfo, explicitIds) + sizeof(CoreStaticInfo::explicitIds) == 7960,
              "last explicit ID at 7956");
static_assert(offsetof(CoreStaticInfo, audioSuiteProperty101) == 7960, "contract offset");
static_assert(offsetof(CoreStaticInfo, analysisLabel) == 7964, "contract offset");
static_assert(offsetof(CoreStaticInfo, valid) == CoreStaticInfo::kCoreSize, "the hook's byte follows the core's");
