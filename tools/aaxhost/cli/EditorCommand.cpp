// aaxhost editor: an instance's editor in a real window, its messages pumped for a
// while, with a screenshot on request.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "aax/AAX_Point.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostWindow.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "aaxhost/cli/BmpImage.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/ModuleSession.h"
#include "aaxhost/cli/OutputFiles.h"
#include "aaxhost/cli/Screenshot.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

namespace aaxhost::cli {
namespace {

constexpr const char* kUsage =
    "usage: aaxhost editor <module> --effect <ID> [--seconds S] [--screenshot FILE]\n"
    "\n"
    "Makes an instance of the effect and opens its editor in a window of the editor's\n"
    "size, pumps the window's messages for S seconds (default 2, at most 3600), saves\n"
    "a 24-bit BMP of the window's client area when asked, then closes the editor and\n"
    "releases it before the instance. Prints the editor's size and every parameter edit\n"
    "(touch/set/release) the host saw. Needs a display. Exits 1 when the effect has no\n"
    "editor or no window can be made, 2 for bad arguments.\n";

void Check(AAX_Result result, const std::string& what) {
    if (result != AAX_SUCCESS) throw std::runtime_error(what + " failed with " + ResultText(result));
}

int OpenEditor(const toolcli::ParsedOptions& options) {
    if (options.Positional().size() != 1) throw toolcli::UsageError("editor takes one module path");
    const std::string effectID = options.Required("--effect");
    const double seconds = toolcli::ParseNumber(options.Value("--seconds").value_or("2"), 0.0, 3600.0, "--seconds");
    const std::optional<std::string> screenshot = options.Value("--screenshot");

    ModuleSession session(options.Positional().front());
    session.ReportFatalErrors();
    session.RequireRegistration();
    const EffectDescription& effect = session.Effect(effectID);
    if (effect.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI) == nullptr)
        throw std::runtime_error("the effect \"" + effectID + "\" has no editor");

    std::unique_ptr<EffectInstance> instance = CreateEffectInstance(effect);
    if (!instance) throw std::runtime_error("the effect \"" + effectID + "\" made no effect parameters object");
    Check(instance->Initialize(), "Initialize");
    ACFPtr<AAX_IACFEffectGUI> editor = CreateEffectGUI(effect);
    if (!editor) throw std::runtime_error("the effect \"" + effectID + "\" made no editor");
    Check(editor->Initialize(instance->Controller().AsInterface()), "the editor's Initialize");

    AAX_Point size{0.0f, 0.0f};
    Check(editor->GetViewSize(&size), "GetViewSize");
    const int width = static_cast<int>(std::lround(size.horz));
    const int height = static_cast<int>(std::lround(size.vert));
    if (width <= 0 || height <= 0) {
        editor->Uninitialize();
        throw std::runtime_error("the editor reports an empty size " + std::to_string(width) + " x " +
                                 std::to_string(height));
    }
    std::string failure;
    HostWindow::Size shown;
    OutputFiles files;  // the screenshot, put in place only when the whole command succeeds
    {
        HostWindow window(width, height, effectID);
        if (window.Handle() == nullptr) {
            editor->Uninitialize();
            throw std::runtime_error("no window could be made (is there a display?)");
        }
        ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(window.Handle());
        Check(editor->SetViewContainer(container->AsInterface()), "SetViewContainer");
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        do {
            HostWindow::PumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < end);
        HostWindow::PumpMessages();
        shown = window.ClientSize();
        if (screenshot) {
            try {
                files.Add(*screenshot, EncodeBmp24(CaptureClientArea(window.Handle())));
            } catch (const std::exception& error) {
                failure = "the screenshot failed: " + std::string(error.what());
            }
        }
        editor->SetViewContainer(nullptr);
        HostWindow::PumpMessages();
        std::printf("editor %d x %d\n", shown.width, shown.height);
        for (const AAX_Point& request : container->ViewSizeRequests())
            std::printf("resize request %g x %g\n", request.horz, request.vert);
    }
    editor->Uninitialize();
    editor.Reset();
    for (const AutomationEvent& event : instance->Automation())
        std::printf("edit %s\n", DescribeAutomation(event).c_str());
    std::printf("%zu edit(s)\n", instance->Automation().size());
    session.ReportFatalErrors();
    if (!failure.empty()) throw std::runtime_error(failure);
    files.Commit();
    if (screenshot) std::printf("wrote %s\n", screenshot->c_str());
    return toolcli::kExitSucceeded;
}

}  // namespace

int RunEditor(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost editor", [&] {
        const toolcli::ParsedOptions options(arguments, {{"--effect", toolcli::OptionRule::Kind::Value},
                                                         {"--seconds", toolcli::OptionRule::Kind::Value},
                                                         {"--screenshot", toolcli::OptionRule::Kind::Value}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return OpenEditor(options);
    });
}

}  // namespace aaxhost::cli
