#pragma once
// JsonWriter: writes one JSON document, indented two spaces, member by member. Texts
// are UTF-8 and escaped as JSON requires (quotes, backslashes, control characters);
// doubles that are not finite are written as null, which JSON has no other word for.
// Misuse (a member without a key, a key in an array, unbalanced ends) throws
// std::logic_error. Pure. [any-thread], one writer per document.

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::cli {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The key of the next value of the enclosing object.
    JsonWriter& Key(const std::string& key);

    JsonWriter& String(const std::string& text);
    JsonWriter& Integer(std::int64_t value);
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // The document so far, ending in a line feed once complete.
    std::string Text() const;

    // The JSON form of a text, quotes included.
    static std::string Quote(const std::string& text);

private:
    struct Level {
        bool object = false;
        bool empty = true;
    };
    void BeforeValue();
    void NewLine();
    JsonWriter& Close(bool object, char bracket);

    std::string text_;
    std::vector<Level> levels_;
    bool keyPending_ = false;
    bool done_ = false;
};

}  // namespace aaxhost::cli
