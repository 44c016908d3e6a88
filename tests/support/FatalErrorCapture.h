#pragma once
// Routes "Fatal Error" reports to a list for the life of the object, so a test can
// assert exactly which messages a case shows. Restores the previous sink afterwards.

#include <mutex>
#include <string>
#include <vector>

#include "util/FatalError.h"

class FatalErrorCapture {
public:
    struct Report {
        std::string title;
        std::string message;
    };

    FatalErrorCapture()
        : previous_(Util::SetFatalErrorSink([this](const Util::String& title, const Util::String& message) {
              std::lock_guard<std::mutex> lock(mutex_);
              reports_.push_back({title.Bytes(), message.Bytes()});
          })) {}
    ~FatalErrorCapture() { Util::SetFatalErrorSink(previous_); }
    FatalErrorCapture(const FatalErrorCapture&) = delete;
    FatalErrorCapture& operator=(const FatalErrorCapture&) = delete;

    std::vector<Report> Reports() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return reports_;
    }
    // The messages in order; every report must carry the title "Fatal Error".
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const Report& r : Reports())
            messages.push_back(r.title == "Fatal Error" ? r.message : "<wrong title>" + r.title);
        return messages;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Report> reports_;
    Util::FatalErrorSink previous_;
};
