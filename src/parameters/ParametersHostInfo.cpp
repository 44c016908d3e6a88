// Parameters: which host the instance runs in, and the capabilities it reports, as the
// core asks for them.

#include "aax/AAX_CString.h"
#include "parameters/HostNameSplit.h"
#include "parameters/Parameters.h"
#include "util/HostExecutablePath.h"

namespace {

// Hosts recognised by their executable, whose own name the core takes as it is.
bool IsRecognisedHostPath(const Util::String& path) {
    const std::string lower = path.ToLowerAscii().Bytes();
    return lower.find("dsm_server") != std::string::npos || lower.find("mediacomposer") != std::string::npos;
}

}  // namespace

// A recognised executable names the host by its path (the version stays). Any other
// host is asked for its name, which is split into product and version; a name without
// a version leaves no name, so that the base fill reports the executable's path. When
// the host cannot be asked, the previous values stay.
void Parameters::RefreshHostIdentity() {
    const Util::String path = Util::HostExecutablePath();
    if (IsRecognisedHostPath(path)) {
        SetHostName(path);
        return;
    }
    if (Controller() == nullptr) return;
    AAX_CString name;
    if (Controller()->GetHostName(&name) != AAX_SUCCESS) return;

    const HostNameParts parts = SplitHostName(Util::String(name.StdString()));
    if (!parts.hasVersion) {
        SetHostName(Util::String());
        return;
    }
    SetHostVersion(parts.version);
    SetHostName(parts.productName);
}

void Parameters::FillHostInfo(HostInfoRecord& record) {
    RefreshHostIdentity();
    PluginHook::FillHostInfo(record);
}

bool Parameters::QueryCapability(CapabilityAnswerRecord& record) {
    record.answer = 1;
    return true;
}

void Parameters::QueryCapabilities(std::uint8_t& a, std::uint32_t& b, std::uint32_t& c) {
    a = 1;
    b = 1;
    c = 1;
}
