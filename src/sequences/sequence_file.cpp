#include "sequences/sequence_file.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <iterator>
#include <map>
#include <optional>

#include <nlohmann/json.hpp>

namespace mw {
namespace {

using Json = nlohmann::ordered_json;

// The member's name as the messages give it: in quotes. (Built piece by
// piece: GCC 12 warns wrongly of overlapping copies in "..." + std::string.)
std::string inQuotes(std::string_view name)
{
    std::string out;
    out += '"';
    out += name;
    out += '"';
    return out;
}

std::string joined(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (std::string_view part : parts) out += part;
    return out;
}

// Walks the text for the JSON parser and counts the lines it has read, so
// that each member can be named by the line it stands on.
class LineCountingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    LineCountingIterator(const char* at, int* line) : at_(at), line_(line) {}
    reference operator*() const { return *at_; }
    LineCountingIterator& operator++()
    {
        if (*at_ == '\n') ++*line_;
        ++at_;
        return *this;
    }
    LineCountingIterator operator++(int)
    {
        LineCountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const LineCountingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    int* line_;
};

// The document, built as the parser reads it, with the line of every member
// and array element by its path ("sequences[0].every").
class DocumentReader final : public nlohmann::json_sax<Json> {
public:
    explicit DocumentReader(const int& line) : line_(line) {}

    bool null() override { return add(Json(nullptr)); }
    bool boolean(bool value) override { return add(Json(value)); }
    bool number_integer(number_integer_t value) override { return add(Json(value)); }
    bool number_unsigned(number_unsigned_t value) override { return add(Json(value)); }
    bool number_float(number_float_t value, const string_t&) override { return add(Json(value)); }
    bool string(string_t& value) override { return add(Json(value)); }
    bool binary(binary_t&) override { return add(Json(nullptr)); }
    bool start_object(std::size_t) override { return open(Json::object()); }
    bool start_array(std::size_t) override { return open(Json::array()); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool key(string_t& name) override
    {
        frames_.back().key = name;
        lines[pathOf(frames_.size())] = line_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override
    {
        // Its words without the library's "[json.exception...] " label.
        const std::string what = error.what();
        const std::size_t label = what.find("] ");
        problem = label == std::string::npos ? what : what.substr(label + 2);
        return false;
    }

    Json root;
    std::map<std::string, int> lines;
    std::optional<std::string> problem;

private:
    struct Frame {
        Json* value;
        std::string key;        // of an object: the member being read
        std::size_t index = 0;  // of an array: the element being read
    };
    // The path of the value now being read at that depth of frames.
    std::string pathOf(std::size_t depth) const
    {
        std::string path;
        for (std::size_t i = 0; i < depth; ++i) {
            const Frame& frame = frames_[i];
            if (frame.value->is_array()) {
                path += '[';
                path += std::to_string(frame.index);
                path += ']';
            }
            else {
                if (!path.empty()) path += '.';
                path += frame.key;
            }
        }
        return path;
    }
    Json* place(Json value)
    {
        if (frames_.empty()) {
            root = std::move(value);
            return &root;
        }
        Frame& parent = frames_.back();
        if (parent.value->is_array()) {
            parent.index = parent.value->size();
            parent.value->push_back(std::move(value));
            return &parent.value->back();
        }
        return &((*parent.value)[parent.key] = std::move(value));
    }
    bool add(Json value)
    {
        place(std::move(value));
        return true;
    }
    bool open(Json value)
    {
        Json* placed = place(std::move(value));
        if (!frames_.empty() && frames_.back().value->is_array()) lines[pathOf(frames_.size())] = line_;
        frames_.push_back({placed, {}, 0});
        return true;
    }
    bool close()
    {
        frames_.pop_back();
        return true;
    }

    const int& line_;
    std::vector<Frame> frames_;
};

struct Refusal {
    std::string path;  // where, for the line
    std::string message;
};

class SequenceReader {
public:
    explicit SequenceReader(const DocumentReader& document) : lines_(document.lines) {}

    int lineOf(std::string path) const
    {
        // A path with no line of its own (a member left out) is told by the
        // object it belongs in.
        for (;;) {
            if (const auto it = lines_.find(path); it != lines_.end()) return it->second;
            const std::size_t cut = path.find_last_of(".[");
            if (cut == std::string::npos) return 1;
            path.erase(cut);
        }
    }

    std::variant<Sequence, Refusal> read(const Json& entry, const std::string& at) const
    {
        if (!entry.is_object()) return Refusal{at, "each sequence must be an object"};
        static const char* const known[] = {"name", "keys", "every", "mode", "target", "hotkey", "on", "background",
                                            "jitter", "stopAfterTurns", "stopAfterMinutes", "keyDelay", "keyHold"};
        for (const auto& [member, value] : entry.items())
            if (std::find(std::begin(known), std::end(known), member) == std::end(known))
                return Refusal{at + "." + member, joined({"unknown member ", inQuotes(member)})};
        for (const char* required : {"name", "keys", "every", "target"})
            if (!entry.contains(required)) return Refusal{at, joined({"the sequence has no ", inQuotes(required)})};
        Sequence s;
        if (auto refused = text(entry, at, "name", s.name)) return *refused;
        if (auto refused = text(entry, at, "keys", s.keys)) return *refused;
        if (auto refused = text(entry, at, "hotkey", s.hotkey)) return *refused;
        for (const SequenceNumber& number : kSequenceNumbers)
            if (auto refused = whole(entry, at, number, s.*number.value)) return *refused;
        if (auto refused = flag(entry, at, "on", s.on)) return *refused;
        if (auto refused = flag(entry, at, "background", s.background)) return *refused;
        std::string mode = "whole";
        if (auto refused = text(entry, at, "mode", mode)) return *refused;
        if (mode != "whole" && mode != "key") return Refusal{at + ".mode", "\"mode\" must be \"whole\" or \"key\""};
        s.oneKey = mode == "key";
        if (auto refused = target(entry.at("target"), at + ".target", s.target)) return *refused;
        return s;
    }

private:
    static std::optional<Refusal> text(const Json& object, const std::string& at, const char* member, std::string& out)
    {
        if (!object.contains(member)) return std::nullopt;
        const Json& value = object.at(member);
        if (!value.is_string()) return Refusal{at + "." + member, joined({inQuotes(member), " must be a string"})};
        out = value.get<std::string>();
        return std::nullopt;
    }
    static std::optional<Refusal> flag(const Json& object, const std::string& at, const char* member, bool& out)
    {
        if (!object.contains(member)) return std::nullopt;
        const Json& value = object.at(member);
        if (!value.is_boolean()) return Refusal{at + "." + member, joined({inQuotes(member), " must be true or false"})};
        out = value.get<bool>();
        return std::nullopt;
    }
    static std::optional<Refusal> whole(const Json& object, const std::string& at, const SequenceNumber& number,
                                        int& out)
    {
        if (!object.contains(number.member)) return std::nullopt;
        const Json& value = object.at(number.member);
        const Refusal refusal{at + "." + number.member, joined({inQuotes(number.member), " must be a whole number of ", number.unit, " from ",
                                                     std::to_string(number.min), " to ", std::to_string(number.max)})};
        if (value.is_number_unsigned()) {
            if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(number.max)) return refusal;
        } else if (value.is_number_integer()) {
            const std::int64_t v = value.get<std::int64_t>();
            if (v < number.min || v > number.max) return refusal;
        } else {
            return refusal;
        }
        out = static_cast<int>(value.get<std::int64_t>());
        if (out < number.min) return refusal;
        return std::nullopt;
    }
    static std::optional<Refusal> target(const Json& value, const std::string& at, TargetRule& out)
    {
        if (!value.is_object()) return Refusal{at, "\"target\" must be an object"};
        for (const auto& [member, ignored] : value.items())
            if (member != "program" && member != "title" && member != "class")
                return Refusal{at + "." + member, joined({"unknown member ", inQuotes(member), " of \"target\""})};
        if (!value.contains("program")) return Refusal{at, "\"target\" has no \"program\""};
        if (auto refused = text(value, at, "program", out.program)) return refused;
        if (auto refused = text(value, at, "title", out.title)) return refused;
        if (auto refused = text(value, at, "class", out.windowClass)) return refused;
        return std::nullopt;
    }

    const std::map<std::string, int>& lines_;
};

// The member of the file a field of the editor stands for.
std::string memberOf(const SequenceProblem& problem)
{
    switch (problem.field) {
    case SequenceField::Name: return "name";
    case SequenceField::Keys: return "keys";
    case SequenceField::Every: return "every";
    case SequenceField::Program: return "target.program";
    case SequenceField::Title: return "target.title";
    case SequenceField::WindowClass: return "target.class";
    case SequenceField::Hotkey: return "hotkey";
    case SequenceField::Number: return problem.number->member;
    }
    return {};
}

}  // namespace

std::string SequenceFileError::text() const { return "Line " + std::to_string(line) + ": " + message + "."; }

std::string writeSequenceFile(const std::vector<Sequence>& sequences)
{
    Json file = {{"marrowind", 1}, {"sequences", Json::array()}};
    for (const Sequence& s : sequences) {
        Json entry = {{"name", s.name}, {"keys", s.keys}, {"every", s.every}, {"mode", s.oneKey ? "key" : "whole"},
                      {"target", {{"program", s.target.program}, {"title", s.target.title}, {"class", s.target.windowClass}}},
                      {"hotkey", s.hotkey}, {"on", s.on}};
        for (std::size_t i = 1; i < kSequenceNumbers.size(); ++i)
            entry[kSequenceNumbers[i].member] = s.*kSequenceNumbers[i].value;
        entry["background"] = s.background;
        file["sequences"].push_back(std::move(entry));
    }
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<std::vector<Sequence>, SequenceFileError> readSequenceFile(const std::string& text)
{
    int line = 1;
    DocumentReader document(line);
    const LineCountingIterator begin(text.data(), &line), end(text.data() + text.size(), &line);
    Json::sax_parse(begin, end, &document);
    if (document.problem) {
        // The parser's own words carry the line and column.
        return SequenceFileError{line, "the file is not JSON (" + *document.problem + ")"};
    }
    const Json& root = document.root;
    const SequenceReader reader(document);
    const auto refuse = [&](const std::string& path, const std::string& message) {
        return SequenceFileError{reader.lineOf(path), message};
    };
    if (!root.is_object()) return refuse("", "the file must hold a JSON object");
    for (const auto& [member, value] : root.items())
        if (member != "marrowind" && member != "sequences") return refuse(member, joined({"unknown member ", inQuotes(member)}));
    if (!root.contains("marrowind")) return refuse("", "the file has no \"marrowind\" version");
    if (root.at("marrowind") != 1) return refuse("marrowind", "\"marrowind\" must be 1, the version this program reads");
    if (!root.contains("sequences") || !root.at("sequences").is_array())
        return refuse("sequences", "\"sequences\" must be a list of sequences");
    std::vector<Sequence> sequences;
    std::vector<std::string> names;
    const Json& list = root.at("sequences");
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string at = "sequences[" + std::to_string(i) + "]";
        auto read = reader.read(list[i], at);
        if (const Refusal* refused = std::get_if<Refusal>(&read)) return refuse(refused->path, refused->message);
        Sequence& sequence = std::get<Sequence>(read);
        for (const std::string& name : names)
            if (equalIgnoringCase(name, sequence.name))
                return refuse(at + ".name", joined({"the file holds two sequences named ", inQuotes(name)}));
        if (const auto problem = checkSequence(sequence, {}))
            return refuse(at + "." + memberOf(*problem), joined({inQuotes(memberOf(*problem)), ": ", problem->message}));
        names.push_back(sequence.name);
        sequences.push_back(std::move(sequence));
    }
    return sequences;
}

}  // namespace mw
