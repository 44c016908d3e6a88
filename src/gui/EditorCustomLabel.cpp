#include "gui/EditorCustomLabel.h"

#include "aax/AAX_Enums.h"

Util::String EditorCustomLabel(std::int32_t selector, const CoreStaticInfo* info) {
    if (selector == AAX_ePlugInStrings_Process) return Util::String("RENDER");
    if (selector == AAX_ePlugInStrings_Analysis && info != nullptr && info->IsValid() &&
        info->AudioSuiteAnalysisFlag() != 0)
        return info->AnalysisLabel();
    return Util::String();
}
