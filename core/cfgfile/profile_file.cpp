// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/profile_file.h"

#include <stdexcept>

namespace zeru::cfgfile {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The name in lower case, in a buffer that is reused so that a pass over a
// file of many lines does not allocate for each.
const std::string& lowered(std::string_view name, std::string& buffer) {
    buffer.assign(name);
    for (char& c : buffer) c = lowerAscii(c);
    return buffer;
}

std::string lowerCopy(std::string_view name) {
    std::string s;
    lowered(name, s);
    return s;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

struct Line {
    std::string_view text;  // without its line ending
    std::size_t start = 0;  // offset of its first byte
    std::size_t end = 0;    // offset after its line ending
    bool ended = false;     // it has a line ending

    // "[name]" with optional blanks around; anything after "]" is ignored.
    std::optional<std::string_view> sectionName() const {
        const std::string_view t = trimBlanks(text);
        if (t.empty() || t.front() != '[') return std::nullopt;
        const auto close = t.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        return trimBlanks(t.substr(1, close - 1));
    }
    // "key=value"; blanks around the key name are not part of it.
    std::optional<std::string_view> keyName() const {
        const auto eq = text.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        return trimBlanks(text.substr(0, eq));
    }
    std::string_view value() const { return text.substr(text.find('=') + 1); }
    bool blank() const { return trimBlanks(text).empty(); }
};

// A UTF-8 byte-order mark, which some editors put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Calls `visit` for every line of `bytes`, in order. A line ends in CR LF,
// LF or a CR alone (as old editors write); a byte-order mark at the start
// belongs to no line.
template <class Visit>
void forEachLine(std::string_view bytes, Visit visit) {
    std::size_t pos = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < bytes.size()) {
        const auto lineEnd = bytes.find_first_of("\r\n", pos);
        Line line;
        line.start = pos;
        line.ended = lineEnd != std::string_view::npos;
        line.text = bytes.substr(pos, (line.ended ? lineEnd : bytes.size()) - pos);
        line.end = !line.ended                                ? bytes.size()
                   : bytes.substr(lineEnd).starts_with(kCrLf) ? lineEnd + kCrLf.size()
                                                              : lineEnd + 1;
        visit(line);
        pos = line.end;
    }
}

// Follows the sections of a pass over the file and tells, for each line,
// which of the sections of interest (their first occurrence only) it is in.
template <class Section>
class SectionTracker {
public:
    explicit SectionTracker(std::unordered_map<std::string, Section*> sections)
        : sections_(std::move(sections)) {}

    // The section of interest whose body holds `line`, nullptr for none. A
    // section line itself belongs to the section it opens; `opened` tells so.
    Section* at(const Line& line, bool& opened) {
        opened = false;
        if (const auto name = line.sectionName()) {
            current_ = nullptr;
            repeated_ = false;
            const auto it = sections_.find(lowered(*name, buffer_));
            if (it != sections_.end()) {
                repeated_ = it->second->seen;
                if (!repeated_) {
                    it->second->seen = true;
                    current_ = it->second;
                    opened = true;
                }
            }
        }
        return current_;
    }
    // Whether the last line passed to at() is in a later occurrence of a
    // section of interest (its section line included).
    bool inRepeatedSection() const { return repeated_; }

private:
    std::unordered_map<std::string, Section*> sections_;
    Section* current_ = nullptr;
    bool repeated_ = false;
    std::string buffer_;
};

struct Request {
    std::vector<std::size_t> indices;  // of the keys asked for
};

struct LookupSection {
    bool seen = false;
    std::unordered_map<std::string, Request> keys;  // lower-case key name
};

std::optional<std::string> limited(std::string_view value) {
    return std::string(value.substr(0, ProfileFile::kMaxValueLength));
}

}  // namespace

ProfileFile::ProfileFile(std::string_view bytes) : bytes_(bytes) {}

std::vector<std::optional<std::string>> ProfileFile::values(const std::vector<KeyName>& keys) const {
    std::vector<std::optional<std::string>> found(keys.size());
    std::unordered_map<std::string, LookupSection> wanted;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string section = lowerCopy(keys[i].section), key = lowerCopy(keys[i].key);
        // A key written since the file was read has its written value.
        if (const auto w = writtenSections_.find(section); w != writtenSections_.end()) {
            const SectionWrites& writes = writes_[w->second];
            if (const auto k = writes.byKey.find(key); k != writes.byKey.end()) {
                found[i] = limited(writes.keys[k->second].second);
                continue;
            }
        }
        wanted[section].keys[key].indices.push_back(i);
    }
    if (wanted.empty()) return found;

    std::unordered_map<std::string, LookupSection*> sections;
    for (auto& [name, section] : wanted) sections.emplace(name, &section);
    SectionTracker<LookupSection> tracker(std::move(sections));
    std::string buffer;
    forEachLine(bytes_, [&](const Line& line) {
        bool opened = false;
        LookupSection* section = tracker.at(line, opened);
        if (!section || opened) return;
        const auto name = line.keyName();
        if (!name) return;
        const auto it = section->keys.find(lowered(*name, buffer));
        if (it == section->keys.end()) return;
        for (std::size_t i : it->second.indices) found[i] = limited(line.value());
        section->keys.erase(it);  // the first entry counts
    });
    return found;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
    return values({{section, key}}).front();
}

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    auto stored = value(section, key);
    return stored ? *stored : std::string(fallback);
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
    if (hasLineBreak(section) || section.find(']') != std::string_view::npos || hasLineBreak(key) ||
        key.find('=') != std::string_view::npos || hasLineBreak(value))
        throw std::invalid_argument("the key " + std::string(key) + " of [" + std::string(section) +
                                    "] cannot be written on one line");
    const auto [s, newSection] = writtenSections_.try_emplace(lowerCopy(section), writes_.size());
    if (newSection) writes_.push_back({std::string(section), {}, {}});
    SectionWrites& writes = writes_[s->second];
    const auto [k, newKey] = writes.byKey.try_emplace(lowerCopy(key), writes.keys.size());
    if (newKey) writes.keys.emplace_back();
    // A key written twice keeps its place and takes the later spelling and value.
    writes.keys[k->second] = {std::string(key), std::string(value)};
}

namespace {

// What a pass that applies the writes keeps for one written section.
struct WriteSection {
    bool seen = false;
    std::vector<bool> placed;  // per key of its SectionWrites
    std::size_t insertAt = 0;  // after its last non-blank line
    bool insertNeedsLineEnd = false;
};

}  // namespace

std::string ProfileFile::bytes() const {
    if (writes_.empty()) return bytes_;

    std::vector<WriteSection> state(writes_.size());
    std::unordered_map<std::string, WriteSection*> sections;
    for (std::size_t i = 0; i < writes_.size(); ++i) {
        state[i].placed.assign(writes_[i].keys.size(), false);
        sections.emplace(lowerCopy(writes_[i].name), &state[i]);
    }
    auto writesOf = [&](const WriteSection* s) -> const SectionWrites& {
        return writes_[static_cast<std::size_t>(s - state.data())];
    };

    std::string out;
    out.reserve(bytes_.size() + std::size_t{64} * 256);
    std::size_t copied = 0;  // bytes_ up to here are in `out`
    auto copyUpTo = [&](std::size_t offset) {
        if (offset <= copied) return;
        out.append(bytes_, copied, offset - copied);
        copied = offset;
    };
    auto entryLine = [&](const std::pair<std::string, std::string>& kv) {
        out += kv.first;
        out += '=';
        out += kv.second;
        out += kCrLf;
    };
    // The keys a section did not hold go after its last non-blank line.
    auto closeSection = [&](WriteSection* s) {
        if (!s) return;
        copyUpTo(s->insertAt);
        bool needsLineEnd = s->insertNeedsLineEnd;
        const SectionWrites& writes = writesOf(s);
        for (std::size_t i = 0; i < writes.keys.size(); ++i) {
            if (s->placed[i]) continue;
            if (needsLineEnd) out += kCrLf;
            needsLineEnd = false;
            entryLine(writes.keys[i]);
        }
    };

    SectionTracker<WriteSection> tracker(std::move(sections));
    WriteSection* current = nullptr;
    std::string buffer;
    // A line left out of the result: a stale copy that a reader taking the
    // last one would find.
    auto dropLine = [&](const Line& line) {
        copyUpTo(line.start);
        copied = line.end;
    };
    forEachLine(bytes_, [&](const Line& line) {
        bool opened = false;
        WriteSection* section = tracker.at(line, opened);
        if (section != current || opened) {
            closeSection(current);
            current = section;
        }
        // A written section appears once: its later occurrences go whole.
        if (tracker.inRepeatedSection()) return dropLine(line);
        if (!section) return;
        bool replaced = false;
        if (!opened) {
            if (const auto name = line.keyName()) {
                const SectionWrites& writes = writesOf(section);
                const auto it = writes.byKey.find(lowered(*name, buffer));
                if (it != writes.byKey.end()) {
                    // ... and so does a written key.
                    if (section->placed[it->second]) return dropLine(line);
                    copyUpTo(line.start);
                    entryLine(writes.keys[it->second]);
                    copied = line.end;
                    section->placed[it->second] = replaced = true;
                }
            }
        }
        if (opened || !line.blank()) {
            section->insertAt = line.end;
            section->insertNeedsLineEnd = !line.ended && !replaced;
        }
    });
    closeSection(current);
    copyUpTo(bytes_.size());

    // Sections the file did not hold, in the order they were first written.
    for (std::size_t i = 0; i < writes_.size(); ++i) {
        if (state[i].seen) continue;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += kCrLf;
        out += '[';
        out += writes_[i].name;
        out += ']';
        out += kCrLf;
        for (const auto& kv : writes_[i].keys) entryLine(kv);
    }
    return out;
}

}  // namespace zeru::cfgfile
