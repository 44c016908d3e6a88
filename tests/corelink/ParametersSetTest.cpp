// The parameter set of an instance: what the core's descriptions become for the host,
// the bypass, the bus names, and the requests of construction, initialisation and
// destruction.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParametersScenario.h"
#include "aax/AAX_CString.h"
#include "support/StringPrinting.h"

namespace {

std::vector<std::string> HostIdentifiers(Parameters& parameters) {
    std::int32_t count = 0;
    parameters.GetNumberOfParameters(&count);
    std::vector<std::string> identifiers;
    for (std::int32_t i = 0; i < count; ++i) {
        AAX_CString identifier;
        parameters.GetParameterIDFromIndex(i, &identifier);
        identifiers.push_back(identifier.StdString());
    }
    return identifiers;
}

std::string MasterBypass(Parameters& parameters) {
    AAX_CString identifier("unset");
    EXPECT_EQ(parameters.GetMasterBypassParameter(&identifier), AAX_SUCCESS);
    return identifier.StdString();
}

std::string Display(Parameters& parameters, const char* identifier, double normalized) {
    AAX_CString text;
    EXPECT_EQ(parameters.GetParameterStringFromValue(identifier, normalized, &text, 255), AAX_SUCCESS) << identifier;
    return text.StdString();
}

struct Shape {
    std::string identifier;
    bool automatable;
    std::int32_t steps;
    AAX_EParameterType type;
};

Shape ShapeOf(Parameters& parameters, const std::string& identifier) {
    Shape shape{identifier, false, 0, AAX_eParameterType_Continuous};
    AAX_CBoolean automatable = 0;
    parameters.GetParameterIsAutomatable(identifier.c_str(), &automatable);
    shape.automatable = automatable != 0;
    parameters.GetParameterNumberOfSteps(identifier.c_str(), &shape.steps);
    parameters.GetParameterType(identifier.c_str(), &shape.type);
    return shape;
}

bool operator==(const Shape& a, const Shape& b) {
    return a.identifier == b.identifier && a.automatable == b.automatable && a.steps == b.steps && a.type == b.type;
}

void PrintTo(const Shape& s, std::ostream* os) {
    *os << s.identifier << (s.automatable ? " automatable " : " fixed ") << s.steps << " steps type " << s.type;
}

TEST(ParametersSet, HostSeesEveryExposedCoreParameterInCoreOrderThenTheHookBypassWithItsShapeAndTexts) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({
        {"Gain", kParameterFloat, 0.0f, 10.0f, 5.0f},
        {"Gain", kParameterBool, 0.0f, 1.0f, 1.0f},
        {"Gain", kParameterFloat, 0.0f, 1.0f, 0.0f, 1, false},  // unexposed: not counted
        {"Gain", kParameterInt, 1.0f, 4.0f, 2.7f},
        {"Frequency\nFreq", kParameterFloat, 20.0f, 20000.0f, 1000.0f, 15},
        {"Other kind", 7, -2.0f, 2.0f, 0.0f},
        {"Wide", kParameterInt, 0.0f, 120.0f, 0.0f},
        {"Named", kParameterInt, 0.0f, 2.0f, 0.0f, 1, true, "Low\tMid\tHigh"},
    });
    const auto parameters = scenario.Make();
    EXPECT_EQ(HostIdentifiers(*parameters), std::vector<std::string>{}) << "nothing before the host initialises";
    EXPECT_EQ(parameters->CoreToRow().size(), 8u);
    EXPECT_FALSE(parameters->CoreToRow()[2].exposed);

    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);

    EXPECT_EQ(HostIdentifiers(*parameters), (std::vector<std::string>{"Gain", "Gain 2", "Gain 3", "Frequency",
                                                                      "Other kind", "Wide", "Named", "Bypass"}));
    const std::vector<Shape> shapes = {ShapeOf(*parameters, "Gain"),       ShapeOf(*parameters, "Gain 2"),
                                       ShapeOf(*parameters, "Gain 3"),     ShapeOf(*parameters, "Frequency"),
                                       ShapeOf(*parameters, "Other kind"), ShapeOf(*parameters, "Bypass")};
    EXPECT_EQ(shapes, (std::vector<Shape>{{"Gain", true, 128, AAX_eParameterType_Continuous},
                                          {"Gain 2", true, 2, AAX_eParameterType_Discrete},
                                          {"Gain 3", true, 4, AAX_eParameterType_Discrete},
                                          {"Frequency", true, 128, AAX_eParameterType_Continuous},
                                          {"Other kind", true, 5, AAX_eParameterType_Discrete},
                                          {"Bypass", false, 2, AAX_eParameterType_Discrete}}));
    AAX_CString name;
    parameters->GetParameterName("Gain 3", &name);
    EXPECT_EQ(name.StdString(), "Gain 3") << "the identifier is also the name";

    double normalized = -1.0;
    parameters->GetParameterNormalizedValue("Gain", &normalized);
    EXPECT_DOUBLE_EQ(normalized, 0.5) << "the core's default";
    parameters->GetParameterNormalizedValue("Gain 3", &normalized);
    EXPECT_NEAR(normalized, 1.0 / 3.0, 1e-9) << "default 2.7 truncated to 2";
    EXPECT_EQ(Display(*parameters, "Gain", 0.25), "2.50");
    EXPECT_EQ(Display(*parameters, "Frequency", 0.5), "632.46") << "the logarithmic taper of type 15";
    EXPECT_EQ(Display(*parameters, "Gain 2", 0.0), "off");
    EXPECT_EQ(Display(*parameters, "Bypass", 1.0), "on");
    // Int labels: generated for small ranges, else the core's; a value without one shows
    // String Not Found.
    EXPECT_EQ(Display(*parameters, "Gain 3", 1.0), "4");
    EXPECT_EQ(Display(*parameters, "Named", 0.5), "Mid");
    EXPECT_EQ(Display(*parameters, "Wide", 0.0), "") << "the one empty label belongs to the minimum";
    EXPECT_EQ(Display(*parameters, "Wide", 5.0 / 120.0), "String Not Found");
    EXPECT_EQ(ShapeOf(*parameters, "Wide").steps, 121);
}

TEST(ParametersSet, CoreBypassIsTheMasterBypassFromConstructionAndItsChangesGoToTheCore) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({{"Gain", kParameterFloat}, {"Power\nPwr", kParameterBool, 0.0f, 1.0f, 0.0f, 0}});
    const auto parameters = scenario.Make();
    EXPECT_EQ(MasterBypass(*parameters), "Power");
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    EXPECT_EQ(HostIdentifiers(*parameters), (std::vector<std::string>{"Gain", "Power"}));
    EXPECT_EQ(parameters->BypassLines().LineCount(), 0u);

    scenario.Mark();
    EXPECT_EQ(parameters->UpdateParameterNormalizedValue("Power", 1.0, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_EQ(scenario.ValuesSent(), (std::vector<std::pair<std::uint32_t, float>>{{1, 1.0f}}));
    EXPECT_FALSE(parameters->HookBypassEngaged());
}

TEST(ParametersSet, HookBypassAppearsAtInitialisationAndOnlySwitchesTheHooksDelay) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({{"Gain", kParameterFloat}});
    const auto parameters = scenario.Make();
    EXPECT_EQ(MasterBypass(*parameters), "");
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    EXPECT_EQ(MasterBypass(*parameters), "Bypass");

    scenario.Mark();
    EXPECT_EQ(parameters->UpdateParameterNormalizedValue("Bypass", 1.0, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_TRUE(parameters->HookBypassEngaged());
    double stored = -1.0;
    parameters->GetParameterNormalizedValue("Bypass", &stored);
    EXPECT_EQ(stored, 0.0) << "the parameter object itself is not updated";
    EXPECT_EQ(parameters->UpdateParameterNormalizedValue("Bypass", 0.0, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_FALSE(parameters->HookBypassEngaged());
    EXPECT_TRUE(scenario.Calls().empty());
}

TEST(ParametersSet, CoreParameterCalledBypassKeepsReachingTheCoreBesideTheHookBypass) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({{"Bypass", kParameterBool}});
    const auto parameters = scenario.Make();
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    EXPECT_EQ(HostIdentifiers(*parameters), (std::vector<std::string>{"Bypass", "Bypass 2"}));
    EXPECT_EQ(MasterBypass(*parameters), "Bypass 2");

    scenario.Mark();
    parameters->UpdateParameterNormalizedValue("Bypass", 1.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ(scenario.ValuesSent(), (std::vector<std::pair<std::uint32_t, float>>{{0, 1.0f}}));
    EXPECT_FALSE(parameters->HookBypassEngaged());
    parameters->UpdateParameterNormalizedValue("Bypass 2", 1.0, AAX_eUpdateSource_Unspecified);
    EXPECT_TRUE(parameters->HookBypassEngaged());
}

TEST(ParametersSet, CoreWithoutParameterCountStillGetsTheHookBypass) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({{"Gain", kParameterFloat}});
    scenario.Core().SetResult(8, 1);
    const auto parameters = scenario.Make();
    EXPECT_TRUE(parameters->Rows().empty());
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    EXPECT_EQ(HostIdentifiers(*parameters), (std::vector<std::string>{"Bypass"}));
}

TEST(ParametersSet, SideChainAndAuxOutputsAreNamedForTheHook) {
    ParametersScenario scenario;
    const auto plain = scenario.Make(kParametersFormat);
    const auto full = scenario.Make(kParametersSideChainFormat);

    EXPECT_EQ(plain->SideChainPresent(), 0u);
    EXPECT_TRUE(plain->InputBuses().empty());
    EXPECT_TRUE(plain->OutputBuses().empty());
    EXPECT_EQ(full->SideChainPresent(), 1u);
    ASSERT_EQ(full->InputBuses().size(), 1u);
    EXPECT_EQ(full->InputBuses()[0].name, Util::String("Key 2"));
    EXPECT_EQ(full->InputBuses()[0].kind, 0u);
    ASSERT_EQ(full->OutputBuses().size(), 2u);
    EXPECT_EQ(full->OutputBuses()[0].name, Util::String("Aux 1"));
    EXPECT_EQ(full->OutputBuses()[1].name, Util::String("Aux 2"));
    EXPECT_EQ(full->OutputBuses()[1].kind, 1u);
}

TEST(ParametersSet, RequestsOfConstructionInitialisationAndDestructionComeInOrder) {
    ParametersScenario scenario;
    scenario.Core().SetLatency(32);
    aaxhost::InstanceSetup setup;
    setup.sampleRate = PluginHook::PublishedSampleRate() + 1000.0f;
    scenario.Mark();
    Parameters* parameters = scenario.Make(kParametersFormat, kChannelConfig5_1, setup);
    EXPECT_EQ(scenario.Selectors(), (std::vector<std::uint32_t>{1, 8, 9}));
    for (const TestCoreCall& call : scenario.CallsOf(9)) EXPECT_EQ(call.info.argument, 1u);

    scenario.Mark();
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    EXPECT_EQ(scenario.Selectors(), (std::vector<std::uint32_t>{17, 18, 5}));
    const auto configure = scenario.CallsOf(17).at(0);
    EXPECT_EQ(configure.info.argument, 1u);
    EXPECT_EQ(configure.As<ConfigureRecord>().sampleRate, setup.sampleRate);
    EXPECT_EQ(configure.As<ConfigureRecord>().channelConfig, kChannelConfig5_1);
    EXPECT_EQ(scenario.CallsOf(18).at(0).info.argument, 0u);
    EXPECT_EQ(scenario.CallsOf(5).at(0).info.argument, 1u);
    EXPECT_EQ(scenario.Controller(*parameters).LatencyReports(), (std::vector<std::int32_t>{32}));

    const std::uint64_t handle = parameters->InstanceHandle();
    scenario.Mark();
    scenario.Release(parameters);
    EXPECT_EQ(scenario.Selectors(), (std::vector<std::uint32_t>{6, 7}));
    for (const TestCoreCall& call : scenario.Calls()) EXPECT_EQ(call.info.instance, handle);
}

TEST(ParametersSet, HookBypassDelayLinesCoverSideChainChannelsAndAuxOutputsAtTheLatency) {
    ParametersScenario scenario;
    scenario.Core().SetLatency(64);
    const auto parameters = scenario.Make(kParametersSideChainFormat, kChannelConfigStereo);
    scenario.Controller(*parameters).SetSignalLatency(16);  // the host's latency before the core's
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);

    const BypassDelayLines& lines = parameters->BypassLines();
    EXPECT_EQ(lines.LineCount(), 1u + 2u + 2u * 2u);
    EXPECT_EQ(lines.LineLength(), 64u);
    EXPECT_EQ(lines.Latency(), 64u);
    EXPECT_EQ(lines.EndPosition(), 63u);
}

}  // namespace
