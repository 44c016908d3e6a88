#pragma once
// The typed way to send a request to the core: each selector accepts exactly its own
// record type, so no caller passes a wrong record or computes an offset.
//   StaticInfoRequest request{};
//   SendCoreRequest<CoreSelector::StaticInfo>(core.coreCallback, 1, 0, request);
// Records stay owned by the caller; the call runs on the caller's thread.

#include <cstdint>

#include "contract/BlockRecord.h"
#include "contract/CoreEntryPoint.h"
#include "contract/CoreParameterInfo.h"
#include "contract/CoreRequestRecords.h"
#include "contract/EditorEvent.h"
#include "contract/InstanceCreateRequest.h"
#include "contract/StateRecords.h"
#include "contract/StaticInfoRequest.h"

template <CoreSelector S>
struct CoreRecordFor;  // selectors without a specialisation take no record

#define LM_CORE_RECORD(selector, Record)           \
    template <>                                    \
    struct CoreRecordFor<CoreSelector::selector> { \
        using type = Record;                       \
    }

LM_CORE_RECORD(StaticInfo, StaticInfoRequest);
LM_CORE_RECORD(CreateInstance, InstanceCreateRequest);
LM_CORE_RECORD(ParameterCount, U32Out);
LM_CORE_RECORD(ParameterInfo, ParameterDescriptionsRequest);
LM_CORE_RECORD(SetParameter, ParameterValueRecord);
LM_CORE_RECORD(Configure, ConfigureRecord);
LM_CORE_RECORD(Latency, U32Out);
LM_CORE_RECORD(OfflineMode, OfflineModeRecord);
LM_CORE_RECORD(ProcessBlock, BlockRecord);
LM_CORE_RECORD(Midi, MidiBatchRecord);
LM_CORE_RECORD(EditorEvent, EditorEvent);
LM_CORE_RECORD(Request30, void);  // the caller's own record
LM_CORE_RECORD(Request31, void);
LM_CORE_RECORD(State, StateRequest);
LM_CORE_RECORD(LegacyStateLoad, LegacyStateLoad);
LM_CORE_RECORD(QueryU32, U32Out);
LM_CORE_RECORD(QueryText, TextQueryRecord);
LM_CORE_RECORD(SelectionLength, SelectionLengthRecord);
LM_CORE_RECORD(Notify, NotifyRecord);

#undef LM_CORE_RECORD

template <CoreSelector S>
std::uint32_t SendCoreRequest(PluginCoreCallbackFn core, std::uint32_t argument, std::uint64_t instance,
                              typename CoreRecordFor<S>::type& record) {
    return core(kCoreMagic, static_cast<std::uint32_t>(S), argument, instance, &record);
}

// Selectors 30 and 31 carry a record the caller defines.
template <CoreSelector S>
std::uint32_t SendCoreRequest(PluginCoreCallbackFn core, std::uint32_t argument, std::uint64_t instance, void* record) {
    static_assert(S == CoreSelector::Request30 || S == CoreSelector::Request31, "this selector has a typed record");
    return core(kCoreMagic, static_cast<std::uint32_t>(S), argument, instance, record);
}

// Selectors without a record (5, 6, 7 and 40).
template <CoreSelector S>
std::uint32_t SendCoreRequest(PluginCoreCallbackFn core, std::uint32_t argument, std::uint64_t instance) {
    static_assert(S == CoreSelector::ParametersReady || S == CoreSelector::InstanceClosing ||
                      S == CoreSelector::DestroyInstance || S == CoreSelector::TrackNameChanged,
                  "this selector needs its record");
    return core(kCoreMagic, static_cast<std::uint32_t>(S), argument, instance, nullptr);
}
