#include "aaxhost/validate/PackageComparison.h"

#include <functional>
#include <vector>

namespace aaxhost::validate {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Join(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ", " : "") + Quoted(items[i]);
    return text + "]";
}

template <class T>
std::string CompareLists(const std::string& what, const std::vector<T>& a, const std::vector<T>& b,
                         const std::function<std::string(const T&, const T&, const std::string&)>& item) {
    if (a.size() != b.size())
        return what + ": " + std::to_string(a.size()) + " vs " + std::to_string(b.size()) + " entries";
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string difference = item(a[i], b[i], what + " " + std::to_string(i));
        if (!difference.empty()) return difference;
    }
    return {};
}

std::string CompareTexts(const std::string& what, const std::vector<std::string>& a,
                         const std::vector<std::string>& b) {
    return a == b ? std::string() : what + ": " + Join(a) + " vs " + Join(b);
}

std::string CompareCode(const std::string& what, const void* a, const void* b, CodeAddresses addresses) {
    if ((a == nullptr) != (b == nullptr)) return what + ": present in one load only";
    if (addresses == CodeAddresses::Compare && a != b) return what + ": different code";
    return {};
}

std::string CompareComponents(const ComponentDescription& a, const ComponentDescription& b, const std::string& where,
                              CodeAddresses addresses) {
    std::string difference =
        CompareLists<FieldDeclaration>(where + " field", a.fields, b.fields,
                                       [](const FieldDeclaration& x, const FieldDeclaration& y, const std::string& w) {
                                           const std::string dx = DescribeField(x), dy = DescribeField(y);
                                           return dx == dy ? std::string() : w + ": " + dx + " vs " + dy;
                                       });
    if (!difference.empty()) return difference;
    return CompareLists<ProcessProcedure>(
        where + " process procedure", a.processProcedures, b.processProcedures,
        [addresses](const ProcessProcedure& x, const ProcessProcedure& y, const std::string& w) {
            std::string d =
                CompareCode(w, reinterpret_cast<const void*>(x.proc), reinterpret_cast<const void*>(y.proc), addresses);
            if (!d.empty()) return d;
            if (x.hasPropertyMap != y.hasPropertyMap) return w + ": property map in one description only";
            return CompareLists<Property>(w + " property", x.properties, y.properties,
                                          [](const Property& p, const Property& q, const std::string& at) {
                                              const std::string dp = DescribeProperty(p), dq = DescribeProperty(q);
                                              return dp == dq ? std::string() : at + ": " + dp + " vs " + dq;
                                          });
        });
}

std::string CompareEffects(const EffectDescription& a, const EffectDescription& b, const std::string& index,
                           CodeAddresses addresses) {
    if (a.identifier != b.identifier) return index + ": " + Quoted(a.identifier) + " vs " + Quoted(b.identifier);
    const std::string where = "effect " + Quoted(a.identifier);
    std::string difference = CompareTexts(where + " names", a.names, b.names);
    if (difference.empty() && a.categories != b.categories) difference = where + ": categories differ";
    if (!difference.empty()) return difference;
    difference = CompareLists<ProcPtr>(where + " factory", a.procPtrs, b.procPtrs,
                                       [addresses](const ProcPtr& x, const ProcPtr& y, const std::string& w) {
                                           if (x.id != y.id)
                                               return w + ": procedure ID " + std::to_string(x.id) + " vs " +
                                                      std::to_string(y.id);
                                           return CompareCode(w, reinterpret_cast<const void*>(x.proc),
                                                              reinterpret_cast<const void*>(y.proc), addresses);
                                       });
    if (!difference.empty()) return difference;
    difference = CompareLists<ResourceInfo>(where + " resource", a.resources, b.resources,
                                            [](const ResourceInfo& x, const ResourceInfo& y, const std::string& w) {
                                                if (x.type == y.type && x.info == y.info) return std::string();
                                                return w + ": " + Quoted(x.info) + " vs " + Quoted(y.info);
                                            });
    if (!difference.empty()) return difference;
    difference = CompareLists<ComponentDescription>(where + " component", a.components, b.components,
                                                    [addresses](const ComponentDescription& x,
                                                                const ComponentDescription& y, const std::string& w) {
                                                        return CompareComponents(x, y, w, addresses);
                                                    });
    if (!difference.empty()) return difference;
    return CompareTexts(where + " descriptor calls", a.calls, b.calls);
}

}  // namespace

std::string FirstDifference(const PackageDescription& first, const PackageDescription& second,
                            CodeAddresses addresses) {
    if (first.manufacturerName != second.manufacturerName) return "manufacturer name differs";
    if (first.packageVersion != second.packageVersion) return "package version differs";
    std::string difference = CompareTexts("package names", first.packageNames, second.packageNames);
    if (!difference.empty()) return difference;
    difference = CompareLists<EffectDescription>("effect", first.effects, second.effects,
                                                 [addresses](const EffectDescription& a, const EffectDescription& b,
                                                             const std::string& index) {
                                                     return CompareEffects(a, b, index, addresses);
                                                 });
    if (!difference.empty()) return difference;
    return CompareTexts("collection calls", first.calls, second.calls);
}

}  // namespace aaxhost::validate
