#pragma once
// Selector 29: an editor event for the core. The hook writes only the fields of the
// event's kind; every other byte keeps what it held. Sent on the UI thread.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

enum EditorEventKind : std::uint32_t {
    kEditorOpen = 0,           // the editor host window was just created
    kEditorClose = 1,          // just before the editor host window is destroyed
    kEditorOpened = 2,         // right after kind 0, once the editor counts as open
    kEditorQueryWindow = 6,    // during a resize: the core returns its own window
    kEditorWindowMessage = 7,  // every message of the editor host window while open
};

struct EditorEvent {
    std::uint32_t kind;  // EditorEventKind
    std::uint32_t padding4;
    std::uint64_t window;   // kinds 0, 1, 2: the editor host window
    std::uint64_t fixed16;  // kinds 0, 2: 0
    std::uint8_t reserved24[12];
    std::uint32_t fixed36;        // kinds 0, 2: 2
    std::uint32_t fixed40;        // kinds 0, 2: 1
    std::uint32_t message;        // kind 7: the window message number
    std::uint32_t wordParameter;  // kind 7: low 32 bits of the word parameter
    std::int32_t longParameter;   // kind 7: low 32 bits of the long parameter
    std::uint32_t handled;        // kind 7: the hook writes 0, the core non-zero if handled
    std::uint32_t padding60;
    std::uint64_t coreWindow;  // kind 6: written by the core
    std::uint32_t fixed72;     // kinds 0, 2: 0
    std::uint32_t padding76;
};

LM_RECORD_TRAITS(EditorEvent);
static_assert(sizeof(EditorEvent) == 80, "editor event size");
static_assert(offsetof(EditorEvent, kind) == 0, "");
static_assert(offsetof(EditorEvent, window) == 8, "");
static_assert(offsetof(EditorEvent, fixed16) == 16, "");
static_assert(offsetof(EditorEvent, fixed36) == 36, "");
static_assert(offsetof(EditorEvent, fixed40) == 40, "");
static_assert(offsetof(EditorEvent, message) == 44, "");
static_assert(offsetof(EditorEvent, wordParameter) == 48, "");
static_assert(offsetof(EditorEvent, longParameter) == 52, "");
static_assert(offsetof(EditorEvent, handled) == 56, "");
static_assert(offsetof(EditorEvent, coreWindow) == 64, "");
static_assert(offsetof(EditorEvent, fixed72) == 72, "");
