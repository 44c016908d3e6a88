// The view container's answers as a test sets them, through the layer's wrapper; the
// gestures an editor sends are recorded in the layer's editor tests, and no window is
// needed here (the window itself is tested in the window tests).

#include <gtest/gtest.h>

#include "aax/AAX_VViewContainer.h"
#include "aaxhost/SimulatedViewContainer.h"

using namespace aaxhost;

namespace {

TEST(SimulatedViewContainer, AnswersMouseModifiersAndSizeRequestsAsTheTestSetsAndRefusesNullIdentifiers) {
    ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(nullptr);
    AAX_VViewContainer view(container->AsInterface());
    ASSERT_TRUE(view.IsValid());
    container->SetMouseResult(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(view.HandleParameterMouseUp("Gain", 0x10), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(container->HandleParameterMouseUp(nullptr, 0), AAX_ERROR_NULL_ARGUMENT);
    const AAX_CParamID withNull[] = {"Gain", nullptr};
    EXPECT_EQ(container->HandleMultipleParametersMouseUp(withNull, 2, 0), AAX_ERROR_NULL_ARGUMENT);
    ASSERT_EQ(container->MouseEvents().size(), 1u) << "refused gestures are not recorded";
    EXPECT_EQ(DescribeMouseEvent(container->MouseEvents()[0]), "up Gain 0x10");

    std::uint32_t modifiers = 0;
    container->SetModifiers(0x6);
    EXPECT_EQ(view.GetModifiers(&modifiers), AAX_SUCCESS);
    EXPECT_EQ(modifiers, 0x6u);
    container->SetModifiersResult(AAX_ERROR_UNIMPLEMENTED);
    modifiers = 0x99;
    EXPECT_EQ(view.GetModifiers(&modifiers), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(modifiers, 0x99u) << "a failing answer leaves the value alone";
    EXPECT_EQ(container->ModifierQueries(), 2);

    container->SetViewSizeResult(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(view.SetViewSize(AAX_Point{300, 400}), AAX_ERROR_UNIMPLEMENTED);
    ASSERT_EQ(container->ViewSizeRequests().size(), 1u);
    EXPECT_EQ(container->ViewSizeRequests()[0].vert, 300.0f);
    EXPECT_EQ(container->ViewSizeRequests()[0].horz, 400.0f);
}

}  // namespace
