#include "gui/AAX_GUI.h"

#include <cstring>
#include <new>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_Enums.h"
#include "contract/EditorEvent.h"
#include "contract/PluginFormat.h"
#include "gui/EditorCustomLabel.h"
#include "gui/EditorWindow.h"
#include "gui/EditorWindowClassName.h"
#include "hook/CoreStaticInfoCache.h"
#include "parameters/Parameters.h"
#include "util/Stopwatch.h"

namespace {

// A record with every field zero; each event then writes the fields of its kind.
EditorEvent BlankEvent(EditorEventKind kind) {
    EditorEvent event;
    std::memset(&event, 0, sizeof event);
    event.kind = kind;
    return event;
}

std::uint64_t HandleValue(void* window) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)); }

}  // namespace

AAX_GUI::AAX_GUI() {
    const CoreStaticInfo& info = GetCoreStaticInfo(kPluginFormatAaxNative);
    if (info.IsValid()) {
        width_ = info.EditorWidth();
        height_ = info.EditorHeight();
    }
    className_ = EditorWindowClassName();
}

AAX_GUI::~AAX_GUI() {
    CloseWindow();
    EditorWindow::UnregisterWindowClass(className_);
    ForgetInstance();
}

AAX_Result AAX_GUI::Initialize(IACFUnknown* controller) noexcept {
    // The instance known so far is held by the base only until it takes the new one.
    CloseWindow();
    ForgetInstance();
    return AAX_CEffectGUI::Initialize(controller);
}

AAX_Result AAX_GUI::Uninitialize() noexcept {
    CloseWindow();
    ForgetInstance();
    return AAX_CEffectGUI::Uninitialize();
}

AAX_Result AAX_GUI::GetViewSize(AAX_Point* outSize) noexcept {
    if (outSize == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    outSize->vert = static_cast<float>(height_);
    outSize->horz = static_cast<float>(width_);
    return AAX_SUCCESS;
}

AAX_Result AAX_GUI::GetCustomLabel(AAX_EPlugInStrings selector, AAX_IString* outLabel) noexcept {
    if (outLabel == nullptr) return AAX_ERROR_NULL_OBJECT;
    return AAX::CatchAll([&]() -> AAX_Result {
        const CoreStaticInfo* info = hook_ != nullptr ? &GetCoreStaticInfo(hook_->Format()) : nullptr;
        const Util::String label = EditorCustomLabel(selector, info);
        if (label.IsNull()) return AAX_CEffectGUI::GetCustomLabel(selector, outLabel);
        outLabel->Set(label.CStr());
        return AAX_SUCCESS;
    });
}

bool AAX_GUI::ResizeEditor(std::uint32_t width, std::uint32_t height) {
    const auto newWidth = static_cast<std::int32_t>(width);
    const auto newHeight = static_cast<std::int32_t>(height);
    if (newWidth == width_ && newHeight == height_) return true;
    // Stored before the host is asked: a refused size is still what GetViewSize
    // reports, and the same request repeated answers true at once.
    width_ = newWidth;
    height_ = newHeight;

    AAX_IViewContainer* view = ViewContainer();
    if (!editorOpen_ || view == nullptr) return false;
    if (view->SetViewSize(AAX_Point{static_cast<float>(height_), static_cast<float>(width_)}) != AAX_SUCCESS)
        return false;
    if (!EditorWindow::Resize(window_, width_, height_)) return false;
    if (hook_ == nullptr) return false;

    EditorEvent query = BlankEvent(kEditorQueryWindow);
    Send(query);
    return EditorWindow::Resize(reinterpret_cast<void*>(static_cast<std::uintptr_t>(query.coreWindow)), width_,
                                height_);
}

bool AAX_GUI::ForwardWindowMessage(std::uint32_t message, std::uint32_t wordParameter, std::int32_t longParameter) {
    if (!editorOpen_ || hook_ == nullptr) return false;
    EditorEvent event = BlankEvent(kEditorWindowMessage);
    event.message = message;
    event.wordParameter = wordParameter;
    event.longParameter = longParameter;
    event.handled = 0;
    Send(event);
    return event.handled != 0;
}

void AAX_GUI::CreateViewContents() { EditorWindow::RegisterWindowClassOnce(className_); }

void AAX_GUI::CreateViewContainer() {
    CloseWindow();  // a host that attaches a new view without detaching the old one

    auto* parameters = EffectParameters();
    if (parameters == nullptr) return;
    // The instance the host's controller names is this module's own Parameters; any
    // other object is not an instance the editor can serve.
    auto* instance = dynamic_cast<Parameters*>(parameters);
    if (instance == nullptr) return;
    if (hook_ != instance) ForgetInstance();
    hook_ = instance;
    hook_->SetEditor(this);

    const CoreStaticInfo& info = GetCoreStaticInfo(hook_->Format());
    if (!info.IsValid()) return;
    // Every opening starts at the static size, not at the last resized one.
    width_ = info.EditorWidth();
    height_ = info.EditorHeight();

    // The window comes from this view only: a view that offers none opens nothing,
    // even when an earlier view did.
    AAX_IViewContainer* view = ViewContainer();
    parentWindow_ = view != nullptr && view->GetType() == AAX_eViewContainer_Type_HWND ? view->GetPtr() : nullptr;
    if (parentWindow_ == nullptr) return;

    // Another editor's destruction may have unregistered the class since Initialize.
    EditorWindow::RegisterWindowClassOnce(className_);
    window_ = EditorWindow::Create(className_, info.EffectIdStem(), width_, height_, parentWindow_);
    if (window_ == nullptr) return;
    EditorWindow::Attach(window_, parentWindow_, this);

    EditorEvent event = BlankEvent(kEditorOpen);
    event.window = HandleValue(window_);
    event.fixed16 = 0;
    event.fixed36 = 2;
    event.fixed40 = 1;
    event.fixed72 = 0;
    Util::Stopwatch stopwatch;
    stopwatch.Start();
    Send(event);
    hook_->RecordEditorOpenSeconds(stopwatch.ElapsedSeconds());
    editorOpen_ = true;
    event.kind = kEditorOpened;
    Send(event);
}

void AAX_GUI::DeleteViewContainer() { CloseWindow(); }

void AAX_GUI::CloseWindow() noexcept {
    if (window_ == nullptr) return;
    try {
        if (hook_ != nullptr) {
            EditorEvent event = BlankEvent(kEditorClose);
            event.window = HandleValue(window_);
            Send(event);
        }
    } catch (...) {
        // The core missed the close event; its window goes with the editor's all the same.
    }
    void* window = window_;
    EditorWindow::Destroy(window);
    window_ = nullptr;
}

void AAX_GUI::ForgetInstance() noexcept {
    if (hook_ != nullptr && hook_->Editor() == this) hook_->SetEditor(nullptr);
    hook_ = nullptr;
}

void AAX_GUI::Send(EditorEvent& event) { hook_->SendEditorEvent(event); }

IACFUnknown* CreateEditor() noexcept {
    try {
        return static_cast<AAX_IACFEffectGUI*>(new AAX_GUI);
    } catch (...) {
        return nullptr;  // out of memory: the host learns of it as a missing editor
    }
}
