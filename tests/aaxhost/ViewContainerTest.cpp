// The view container's records as an editor drives it through the layer's wrapper; no
// window is needed for these (the window itself is tested in the window tests).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_VViewContainer.h"
#include "aaxhost/SimulatedViewContainer.h"

using namespace aaxhost;

namespace {

std::vector<std::string> MouseTexts(const SimulatedViewContainer& container) {
    std::vector<std::string> texts;
    for (const MouseEvent& event : container.MouseEvents()) texts.push_back(DescribeMouseEvent(event));
    return texts;
}

TEST(SimulatedViewContainer, RecordsSingleAndMultipleParameterGesturesInOrder) {
    ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(nullptr);
    AAX_VViewContainer view(container->AsInterface());
    ASSERT_TRUE(view.IsValid());
    EXPECT_EQ(view.GetType(), AAX_eViewContainer_Type_HWND);

    const AAX_CParamID both[] = {"Gain", "Mix"};
    EXPECT_EQ(view.HandleParameterMouseEnter("Gain", 0), AAX_SUCCESS);
    EXPECT_EQ(view.HandleParameterMouseDown("Gain", 0x10), AAX_SUCCESS);
    EXPECT_EQ(view.HandleMultipleParametersMouseDrag(both, 2, 0x3), AAX_SUCCESS);
    container->SetMouseResult(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(view.HandleParameterMouseUp("Gain", 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(view.HandleParameterMouseExit("Gain", 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(container->HandleParameterMouseUp(nullptr, 0), AAX_ERROR_NULL_ARGUMENT);
    const AAX_CParamID withNull[] = {"Gain", nullptr};
    EXPECT_EQ(container->HandleMultipleParametersMouseUp(withNull, 2, 0), AAX_ERROR_NULL_ARGUMENT);

    EXPECT_EQ(MouseTexts(*container.Get()),
              (std::vector<std::string>{"enter Gain 0x0", "down Gain 0x10", "multiple drag Gain,Mix 0x3", "up Gain 0x0",
                                        "exit Gain 0x0"}));
}

TEST(SimulatedViewContainer, AnswersModifiersAndSizeRequestsAsTheTestSets) {
    ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(nullptr);
    AAX_VViewContainer view(container->AsInterface());
    std::uint32_t modifiers = 0;
    container->SetModifiers(0x6);
    EXPECT_EQ(view.GetModifiers(&modifiers), AAX_SUCCESS);
    EXPECT_EQ(modifiers, 0x6u);
    container->SetModifiersResult(AAX_ERROR_UNIMPLEMENTED);
    modifiers = 0x99;
    EXPECT_EQ(view.GetModifiers(&modifiers), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(modifiers, 0x99u) << "a failing answer leaves the value alone";
    EXPECT_EQ(container->ModifierQueries(), 2);

    EXPECT_EQ(view.SetViewSize(AAX_Point{100, 200}), AAX_SUCCESS);
    container->SetViewSizeResult(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(view.SetViewSize(AAX_Point{300, 400}), AAX_ERROR_UNIMPLEMENTED);
    ASSERT_EQ(container->ViewSizeRequests().size(), 2u);
    EXPECT_EQ(container->ViewSizeRequests()[1].vert, 300.0f);
    EXPECT_EQ(container->ViewSizeRequests()[1].horz, 400.0f);
}

}  // namespace
