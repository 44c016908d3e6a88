#include "contract/CoreEntryPoint.h"

const char* CoreSelectorName(std::uint32_t selector) noexcept {
    switch (static_cast<CoreSelector>(selector)) {
    case CoreSelector::StaticInfo: return "StaticInfo";
    case CoreSelector::CreateInstance: return "CreateInstance";
    case CoreSelector::ParametersReady: return "ParametersReady";
    case CoreSelector::InstanceClosing: return "InstanceClosing";
    case CoreSelector::DestroyInstance: return "DestroyInstance";
    case CoreSelector::ParameterCount: return "ParameterCount";
    case CoreSelector::ParameterInfo: return "ParameterInfo";
    case CoreSelector::SetParameter: return "SetParameter";
    case CoreSelector::Configure: return "Configure";
    case CoreSelector::Latency: return "Latency";
    case CoreSelector::OfflineMode: return "OfflineMode";
    case CoreSelector::ProcessBlock: return "ProcessBlock";
    case CoreSelector::Midi: return "Midi";
    case CoreSelector::EditorEvent: return "EditorEvent";
    case CoreSelector::Request30: return "Request30";
    case CoreSelector::Request31: return "Request31";
    case CoreSelector::State: return "State";
    case CoreSelector::LegacyStateLoad: return "LegacyStateLoad";
    case CoreSelector::QueryU32: return "QueryU32";
    case CoreSelector::QueryText: return "QueryText";
    case CoreSelector::SelectionLength: return "SelectionLength";
    case CoreSelector::TrackNameChanged: return "TrackNameChanged";
    case CoreSelector::Notify: return "Notify";
    }
    return "Unknown";
}
