#include "parameters/IntParameterRules.h"

#include <cmath>
#include <limits>
#include <vector>

#include "util/NumberText.h"

std::int32_t TruncateToInt32(double value) noexcept {
    if (std::isnan(value)) return 0;
    constexpr double kLowest = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kHighest = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
    if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::uint32_t IntStepCount(float minimum, float maximum) noexcept {
    const double count = std::fabs(static_cast<double>(maximum) - static_cast<double>(minimum)) + 1.0;
    if (!(count >= 1.0)) return 1;  // NaN
    constexpr double kMost = static_cast<double>(std::numeric_limits<std::uint32_t>::max());
    return count >= kMost ? std::numeric_limits<std::uint32_t>::max() : static_cast<std::uint32_t>(count);
}

Util::String GenerateIntLabels(float minimum, float maximum) {
    const float lo = std::round(minimum);
    const float hi = std::round(maximum);
    if (!(lo >= 0.0f && lo <= hi && hi - lo + 1.0f <= kMaxGeneratedLabels)) return Util::String("");
    if (static_cast<double>(hi) > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return Util::String("");
    const std::int32_t first = static_cast<std::int32_t>(lo);
    const std::int32_t last = static_cast<std::int32_t>(hi);
    Util::String labels("");
    for (std::int32_t value = first; value <= last; ++value) {
        if (value != first) labels += Util::String("\t");
        labels += Util::Int64ToText(value, 10);
        if (value == last) break;  // never step past the int32_t range
    }
    return labels;
}

std::map<std::int32_t, AAX_CString> IntLabelMap(const Util::String& labels, float minimum) {
    std::vector<Util::String> pieces = labels.Split('\t');
    if (pieces.empty()) pieces.push_back(Util::String(""));
    std::map<std::int32_t, AAX_CString> map;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const float value = static_cast<float>(k) + minimum;
        map.emplace(TruncateToInt32(value), AAX_CString(pieces[k].Bytes()));
    }
    return map;
}
