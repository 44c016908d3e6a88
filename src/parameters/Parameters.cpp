// Parameters: construction, parameter registration and destruction.

#include "parameters/Parameters.h"

#include <algorithm>
#include <memory>

#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CLinearTaperDelegate.h"
#include "aax/AAX_CLogTaperDelegate.h"
#include "aax/AAX_CNumberDisplayDelegate.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_CStringDisplayDelegate.h"
#include "parameters/IntParameterRules.h"
#include "parameters/ParameterIdentifiers.h"
#include "util/FormatArg.h"

namespace {

const char* const kHookBypassId = "Bypass";

}  // namespace

Parameters::Parameters(PluginFormat pluginFormat, ChannelConfig channelConfig)
    : PluginHook(pluginFormat, PluginHook::PublishedSampleRate(), channelConfig, 0) {
    NameBuses();

    // A failed count is 0; a failed description leaves the records zero (nothing exposed).
    const std::uint32_t count = QueryParameterCount();
    std::vector<CoreParameterInfo> records(count);  // value-initialised: all zero
    DescribeParameters(records.data(), count);

    ParameterTable table = BuildParameterTable(records.data(), count);
    rows_ = std::move(table.rows);
    coreToRow_ = std::move(table.coreToRow);
    if (table.coreOwnsBypass) {
        bypassId_ = table.bypassId;
        hasBypassParameter_ = true;
        coreOwnsBypass_ = true;
    }
}

Parameters::~Parameters() { NotifyInstanceClosing(); }

AAX_Result Parameters::GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept {
    if (outIdentifier == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    outIdentifier->Set(hasBypassParameter_ ? bypassId_.CStr() : "");
    return AAX_SUCCESS;
}

// The side-chain input is "<name stem> 2"; the aux outputs are "Aux 1", "Aux 2", ...
// The hook base keeps at most kMaxAuxOutputStems outputs, so no more are named.
void Parameters::NameBuses() {
    const CoreStaticInfo& info = StaticInfo();
    if (info.HasSideChain()) {
        sideChainPresent_ = 1;
        SetInputBuses({Bus{Util::FormatArg(Util::String("%1 2"), info.NameStem()), kChannelConfigMono}});
    }
    if (info.AuxOutputCount() != 0) {
        const std::uint32_t named =
            std::min<std::uint32_t>(info.AuxOutputCount(), static_cast<std::uint32_t>(kMaxAuxOutputStems));
        std::vector<Bus> outputs;
        outputs.reserve(named);
        for (std::uint32_t n = 1; n <= named; ++n)
            outputs.push_back(Bus{Util::FormatArg(Util::String("Aux %1"), n, 10), kChannelConfigStereo});
        SetOutputBuses(std::move(outputs));
    }
}

AAX_Result Parameters::EffectInit() {
    for (const CoreToRowEntry& entry : coreToRow_) {
        if (!entry.exposed) continue;
        if (entry.row >= rows_.size()) return AAX_ERROR_INVALID_PARAMETER_ID;
        const AAX_Result added = AddRowParameter(rows_[entry.row]);
        if (added != AAX_SUCCESS) return added;
    }

    if (!coreOwnsBypass_) {
        const AAX_Result added = AddHookBypass();
        if (added != AAX_SUCCESS) return added;
        PrepareBypassDelay();
    }

    AAX_CSampleRate sampleRate = SampleRate();
    if (Controller() && Controller()->GetSampleRate(&sampleRate) == AAX_SUCCESS)
        Reconfigure(1, sampleRate, ChannelConfiguration());

    SetLatency(0, QueryLatency(0));
    NotifyParametersReady();
    return AAX_SUCCESS;
}

AAX_Result Parameters::AddRowParameter(const ParameterEntry& row) {
    const char* identifier = row.identifier.CStr();
    const AAX_CString name(row.identifier.Bytes());
    AAX_IParameter* parameter = nullptr;
    if (IsFloatKind(row.kind)) {
        const AAX_CNumberDisplayDelegate<float, 2, 0> display;
        if (IsLogTaperType(row.type))
            parameter =
                new AAX_CParameter<float>(identifier, name, row.defaultValue,
                                          AAX_CLogTaperDelegate<float, 1000>(row.minimum, row.maximum), display, true);
        else
            parameter =
                new AAX_CParameter<float>(identifier, name, row.defaultValue,
                                          AAX_CLinearTaperDelegate<float, 0>(row.minimum, row.maximum), display, true);
    } else if (IsBoolKind(row.kind)) {
        parameter =
            new AAX_CParameter<bool>(identifier, name, row.defaultValue != 0.0f, AAX_CBinaryTaperDelegate<bool>(),
                                     AAX_CBinaryDisplayDelegate<bool>("off", "on"), true);
        parameter->SetNumberOfSteps(2);
        parameter->SetType(AAX_eParameterType_Discrete);
    } else {
        parameter =
            new AAX_CParameter<std::int32_t>(identifier, name, TruncateToInt32(row.defaultValue),
                                             AAX_CLinearTaperDelegate<std::int32_t, 1>(TruncateToInt32(row.minimum),
                                                                                       TruncateToInt32(row.maximum)),
                                             AAX_CStringDisplayDelegate<std::int32_t>(
                                                 IntLabelMap(row.labels, row.minimum)),
                                             true);
        parameter->SetNumberOfSteps(IntStepCount(row.minimum, row.maximum));
        parameter->SetType(AAX_eParameterType_Discrete);
    }
    return ParameterManager().AddParameter(parameter);
}

// A core parameter may itself be called "Bypass" without being the core's bypass; the
// hook's then takes the next free identifier ("Bypass 2") so that the host's changes
// of the core's parameter still reach the core.
AAX_Result Parameters::AddHookBypass() {
    UniqueIdentifiers taken;
    for (const ParameterEntry& row : rows_) taken.Take(row.identifier);
    const Util::String identifier = taken.Take(Util::String(kHookBypassId));

    auto parameter = std::make_unique<AAX_CParameter<bool>>(identifier.CStr(), AAX_CString(kHookBypassId), false,
                                                            AAX_CBinaryTaperDelegate<bool>(),
                                                            AAX_CBinaryDisplayDelegate<bool>("off", "on"), false);
    parameter->SetNumberOfSteps(2);
    parameter->SetType(AAX_eParameterType_Discrete);
    const AAX_Result added = ParameterManager().AddParameter(parameter.release());
    if (added != AAX_SUCCESS) return added;
    bypassId_ = identifier;
    hasBypassParameter_ = true;
    return AAX_SUCCESS;
}

// One line per side-chain input, main channel and aux output channel, as long as the
// latency the host holds for the instance now (a failing or negative answer counts
// as none).
void Parameters::PrepareBypassDelay() {
    const std::uint32_t lineCount = sideChainPresent_ + ChannelCountOf(ChannelConfiguration()) +
                                    2 * static_cast<std::uint32_t>(OutputBuses().size());
    std::int32_t hostLatency = 0;
    if (!Controller() || Controller()->GetSignalLatency(&hostLatency) != AAX_SUCCESS || hostLatency < 0)
        hostLatency = 0;
    bypassLines_.Prepare(lineCount, static_cast<std::uint32_t>(hostLatency));
}
