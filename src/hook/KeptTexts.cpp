#include "hook/KeptTexts.h"

const Util::String& KeptTexts::Keep(const Util::String& text) {
    for (const auto& kept : texts_)
        if (kept->IsNull() == text.IsNull() && *kept == text) return *kept;
    texts_.push_back(std::make_unique<const Util::String>(text));
    return *texts_.back();
}
