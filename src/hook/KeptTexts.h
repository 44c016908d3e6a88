#pragma once
// Texts whose bytes the hook hands to the core by pointer (the track name of callback
// 14, the host name of callback 13). A kept text never moves or changes while its
// keeper lives, so a core that reads the bytes after its callback has returned, while
// the host sets another text on its own thread, still reads the whole text it was
// given. Equal texts share one entry: memory grows only with the number of distinct
// texts an instance sees (a user renaming a track), not with the number of changes.
// Not synchronised: the owner guards it (PluginHook's mutex).

#include <memory>
#include <vector>

#include "util/String.h"

class KeptTexts {
public:
    // A kept text equal to `text` (null equals only null; otherwise byte for byte),
    // valid and unchanged until the keeper is destroyed.
    const Util::String& Keep(const Util::String& text);

    std::size_t Count() const noexcept { return texts_.size(); }

private:
    std::vector<std::unique_ptr<const Util::String>> texts_;
};
