#pragma once
// The context fields of a component: audio in and out, buffer length and the private
// data that carries the instance to the process procedure, and, as the core's static
// information asks, a side-chain input, stereo aux output stems and three MIDI nodes.
// The render (RealtimeRender) reads the context by the same field indices.
//
//   0 AddAudioIn            always
//   1 AddAudioOut           always
//   2 AddAudioBufferLength  always
//   3 AddPrivateData        always: 8 bytes, options 1 (the Parameters address)
//   4 AddSideChainIn        side-chain flag; then property 116 := 1
//   1 AddAuxOutputStem      per aux output: Stereo, "Aux 1", "Aux 2", ...
//   5, 6, 8 AddMIDINode     instrument or MIDI input flag: local input, local output,
//                           transport, named "<first name> MIDI In/Out/Transport"
//
// [ui-thread] (the host's scan)

#include <cstdint>

#include "aax/AAX_Enums.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_IPropertyMap.h"
#include "contract/CoreStaticInfo.h"

constexpr std::int32_t kPrivateDataSize = 8;
constexpr std::uint32_t kPrivateDataOptions = 1;
constexpr std::uint32_t kMidiChannelMask = 0xFFFF;

// Issues the declarations above in order; the results of the single calls are not
// examined. `properties` may be null (the side-chain property is then not added).
void DescribeComponentIo(AAX_IComponentDescriptor& component, AAX_IPropertyMap* properties, const CoreStaticInfo& info);
