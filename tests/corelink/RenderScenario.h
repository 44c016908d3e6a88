#pragma once
// Realtime rendering through the host simulator: a Parameters instance over the test
// core (ParametersScenario), its component described by DescribeComponentIo into the
// simulator's recording descriptor, and an instance context laid out from that
// description with real buffers, over formats 400 and 401 (HookScenario).

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "CoreLinkScenario.h"
#include "ParametersScenario.h"
#include "aax/AAX_VComponentDescriptor.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/RecordingComponentDescriptor.h"
#include "aaxhost/RegistrationHost.h"
#include "description/ComponentIo.h"
#include "description/RealtimeRender.h"
#include "hook/CoreStaticInfoCache.h"

// The component of a format as DescribeComponentIo declares it.
inline aaxhost::ComponentDescription DescribeComponent(const CoreStaticInfo& info) {
    aaxhost::RegistrationHost host;
    AAX_VComponentDescriptor component(host.Unknown());
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    DescribeComponentIo(component, properties, info);
    component.AddProcessProc_Native(ProcessInstances, properties);
    return aaxhost::FindOwn<aaxhost::RecordingComponentDescriptor>(component.GetIUnknown())->Description();
}

class RenderScenario {
public:
    TestCoreClient& Core() { return parameters_.Core(); }
    ParametersScenario& Instances() { return parameters_; }

    // A new instance, initialised by its host, with its context.
    Parameters* Make(PluginFormat format, ChannelConfig channels, AAX_EStemFormat input, AAX_EStemFormat output,
                     bool connectSideChain = false, std::int32_t maxBlock = 1024) {
        aaxhost::InstanceSetup setup;
        setup.inputStemFormat = input;
        setup.outputStemFormat = output;
        Parameters* parameters = parameters_.Make(format, channels, setup);
        EXPECT_EQ(parameters_.Initialize(*parameters), AAX_SUCCESS);
        aaxhost::ContextOptions options;
        options.maxBlockSize = maxBlock;
        options.connectSideChain = connectSideChain;
        options.inputStemFormat = input;
        options.outputStemFormat = output;
        component_ = DescribeComponent(GetCoreStaticInfo(format));
        context_ =
            std::make_unique<aaxhost::InstanceContext>(component_, static_cast<AAX_IACFEffectParameters*>(parameters),
                                                       options);
        return parameters;
    }

    aaxhost::InstanceContext& Context() { return *context_; }

    void Render() { aaxhost::RunProcessProcedure(ProcessInstances, {context_.get()}); }

    std::vector<CoreBlock> Blocks(std::uint32_t channels) const { return parameters_.Blocks(channels); }
    void Mark() { parameters_.Mark(); }

private:
    ParametersScenario parameters_;
    aaxhost::ComponentDescription component_;
    std::unique_ptr<aaxhost::InstanceContext> context_;  // released before the instances
};
