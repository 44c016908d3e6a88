// Parameters: keeping the host's and the core's views of the parameters in step, and
// the smaller messages the instance relays between them.

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "aax/AAX_CString.h"
#include "aax/AAX_CatchAll.h"
#include "aax/AAX_IViewContainer.h"
#include "hook/HookCallback.h"
#include "parameters/IntParameterRules.h"
#include "parameters/Parameters.h"

AAX_Result Parameters::UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                                      AAX_EUpdateSource) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        if (identifier == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
        if (!coreOwnsBypass_ && !bypassId_.IsNull() && bypassId_.Bytes() == identifier) {
            hookBypassEngaged_.store(value > 0.0, std::memory_order_relaxed);
            return AAX_SUCCESS;
        }
        AAX_IParameter* parameter = ParameterManager().GetParameterByID(identifier);
        if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
        parameter->UpdateNormalizedValue(value);

        const std::int32_t position = ParameterManager().GetParameterIndex(identifier);
        if (position < 0 || static_cast<std::size_t>(position) >= rows_.size()) return AAX_ERROR_INVALID_PARAMETER_ID;
        const ParameterEntry& row = rows_[static_cast<std::size_t>(position)];

        float real = 0.0f;
        if (row.kind == kParameterFloat) {
            parameter->GetValueAsFloat(&real);
        } else if (row.kind == kParameterBool) {
            bool on = false;
            parameter->GetValueAsBool(&on);
            real = on ? 1.0f : 0.0f;
        } else if (row.kind == kParameterInt) {
            std::int32_t whole = 0;
            parameter->GetValueAsInt32(&whole);
            real = static_cast<float>(whole);
        } else {
            // Shown to the host as Int, but of a kind the core never defined: its
            // value has no meaning the core could be sent.
            return AAX_ERROR_INVALID_PARAMETER_ID;
        }
        SendParameterValue(row.coreIndex, real);
        return AAX_SUCCESS;
    });
}

// The parameter of an exposed core index, and its row; null for anything else, and
// before EffectInit registered the parameter.
AAX_IParameter* Parameters::RowParameter(std::uint32_t coreIndex, ParameterEntry** row) {
    if (coreIndex >= coreToRow_.size() || !coreToRow_[coreIndex].exposed) return nullptr;
    const std::uint32_t position = coreToRow_[coreIndex].row;
    if (position >= rows_.size()) return nullptr;
    *row = &rows_[position];
    return ParameterManager().GetParameter(static_cast<std::int32_t>(position));
}

void Parameters::SetParameterFromCore(std::uint32_t operation, std::uint32_t coreIndex, float value) {
    ParameterEntry* row = nullptr;
    AAX_IParameter* parameter = RowParameter(coreIndex, &row);
    if (parameter == nullptr) return;

    switch (operation) {
    case 0:
        parameter->Touch();
        row->touchedByCore = true;
        break;
    case 1: {
        const bool insideGesture = row->touchedByCore;
        if (!insideGesture) parameter->Touch();
        if (row->kind == kParameterFloat)
            parameter->SetValueWithFloat(value);
        else if (row->kind == kParameterBool)
            parameter->SetValueWithBool(value != 0.0f);  // NaN counts as true
        else if (row->kind == kParameterInt)
            parameter->SetValueWithInt32(TruncateToInt32(value));
        // A row of no known kind carries no value (see UpdateParameterNormalizedValue).
        if (!insideGesture) parameter->Release();
        break;
    }
    case 2:
        row->touchedByCore = false;
        parameter->Release();
        break;
    default: break;
    }
}

bool Parameters::HandleParameterGesture(GestureRecord& record) {
    if (editor_ == nullptr) return false;
    AAX_IViewContainer* container = editor_->EditorViewContainer();
    if (container == nullptr) return false;

    std::uint32_t modifiers = 0;
    if (container->GetModifiers(&modifiers) != AAX_SUCCESS) return false;

    std::vector<AAX_CParamID> identifiers;
    const std::uint32_t count = record.indexCount < kMaxGestureParameters
                                    ? record.indexCount
                                    : static_cast<std::uint32_t>(kMaxGestureParameters);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t coreIndex = record.coreIndices[i];
        if (coreIndex >= coreToRow_.size() || !coreToRow_[coreIndex].exposed) continue;
        const std::uint32_t position = coreToRow_[coreIndex].row;
        if (position >= rows_.size()) continue;
        identifiers.push_back(rows_[position].identifier.CStr());
    }
    if (identifiers.empty()) return false;

    if (record.modifier1 != 0) modifiers |= 1;
    if (record.modifier2 != 0) modifiers |= 2;
    if (record.modifier3 != 0) modifiers |= 4;
    if (record.modifier4 != 0) modifiers |= 8;
    if (record.button == 1) modifiers |= 16;

    AAX_Result result = AAX_SUCCESS;
    const std::uint32_t n = static_cast<std::uint32_t>(identifiers.size());
    if (n == 1) {
        switch (record.operation) {
        case 0: result = container->HandleParameterMouseDown(identifiers[0], modifiers); break;
        case 1: result = container->HandleParameterMouseDrag(identifiers[0], modifiers); break;
        case 2: result = container->HandleParameterMouseUp(identifiers[0], modifiers); break;
        default: return false;
        }
    } else {
        switch (record.operation) {
        case 0: result = container->HandleMultipleParametersMouseDown(identifiers.data(), n, modifiers); break;
        case 1: result = container->HandleMultipleParametersMouseDrag(identifiers.data(), n, modifiers); break;
        case 2: result = container->HandleMultipleParametersMouseUp(identifiers.data(), n, modifiers); break;
        default: return false;
        }
    }
    return result == AAX_SUCCESS;
}

void Parameters::SetLatency(std::uint32_t, std::uint32_t samples) {
    constexpr std::uint32_t kMostReportable = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    if (Controller()) Controller()->SetSignalLatency(static_cast<std::int32_t>(std::min(samples, kMostReportable)));
    if (coreOwnsBypass_) return;
    // Out of memory for longer lines: the bypass keeps its previous delay.
    bypassLines_.ApplyLatency(samples);
}

AAX_Result Parameters::NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept {
    try {
        if (type == AAX_eNotificationEvent_TrackNameChanged) {
            if (data != nullptr) SetTrackName(Util::String(static_cast<const AAX_IString*>(data)->Get()));
        } else if (type == AAX_eNotificationEvent_ASProcessingState && size == 4 && data != nullptr) {
            std::int32_t state = 0;
            std::memcpy(&state, data, sizeof state);
            if (state == 2)
                Notify(0, kCoreEventProcessingState2, 0, 0);
            else if (state == 3)
                Notify(0, kCoreEventProcessingState3, 0, 0);
        } else if (type == AAX_eNotificationEvent_ASPreviewState && size == 4 && data != nullptr) {
            std::int32_t state = 0;
            std::memcpy(&state, data, sizeof state);
            const bool on = state == 1;
            if (on != previewActive_) {
                previewActive_ = on;
                Notify(0, on ? kCoreEventPreviewOn : kCoreEventPreviewOff, 0, 0);
            }
        }
    } catch (...) {
        // The host still hears of the notification below; the core missed it.
    }
    return AAX_CEffectParameters::NotificationReceived(type, data, size);
}

AAX_Result Parameters::ResetFieldData(AAX_CFieldIndex field, void* data, std::uint32_t size) noexcept {
    if (field == kPrivateDataField && data != nullptr && size >= sizeof(PluginHook*)) {
        PluginHook* hook = this;
        std::memcpy(data, &hook, sizeof hook);
    }
    return AAX_SUCCESS;
}

bool Parameters::ResizeEditorForCore(const EditorSizeRecord& record) {
    return editor_ != nullptr && editor_->ResizeEditor(record.width, record.height);
}

std::uint32_t Parameters::HandleCoreCommand(std::uint32_t, std::uint32_t code, std::uint32_t, std::uint64_t) {
    if (code != kCoreCommandChanged) return static_cast<std::uint32_t>(HookStatus::UnknownCommand);
    changeSignal_.emit();
    return 0;
}
