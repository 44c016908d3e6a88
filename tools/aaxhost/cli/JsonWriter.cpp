#include "aaxhost/cli/JsonWriter.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace aaxhost::cli {

std::string JsonWriter::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04X", byte);
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

void JsonWriter::NewLine() {
    text_ += '\n';
    text_.append(levels_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (levels_.empty()) {
        if (done_) throw std::logic_error("JSON document already complete");
        done_ = true;
        return;
    }
    Level& level = levels_.back();
    if (level.object) {
        if (!keyPending_) throw std::logic_error("JSON object member without a key");
        keyPending_ = false;
        return;
    }
    if (!level.empty) text_ += ',';
    level.empty = false;
    NewLine();
}

JsonWriter& JsonWriter::Key(const std::string& key) {
    if (levels_.empty() || !levels_.back().object || keyPending_) throw std::logic_error("JSON key out of place");
    Level& level = levels_.back();
    if (!level.empty) text_ += ',';
    level.empty = false;
    NewLine();
    text_ += Quote(key) + ": ";
    keyPending_ = true;
    return *this;
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    levels_.push_back({true, true});
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    levels_.push_back({false, true});
    return *this;
}

JsonWriter& JsonWriter::Close(bool object, char bracket) {
    if (levels_.empty() || levels_.back().object != object || keyPending_)
        throw std::logic_error("unbalanced JSON document");
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) NewLine();
    text_ += bracket;
    if (levels_.empty()) text_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::EndObject() { return Close(true, '}'); }
JsonWriter& JsonWriter::EndArray() { return Close(false, ']'); }

JsonWriter& JsonWriter::String(const std::string& text) {
    BeforeValue();
    text_ += Quote(text);
    return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    if (!std::isfinite(value)) return Null();
    BeforeValue();
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", value);
    text_ += number;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

std::string JsonWriter::Text() const { return text_; }

}  // namespace aaxhost::cli
