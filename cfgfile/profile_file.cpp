// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/profile_file.h"

#include <algorithm>
#include <stdexcept>

namespace zeru::cfgfile {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// "[name]" with optional blanks around; anything after "]" is ignored.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

bool isBlank(std::string_view line) { return trimBlanks(line).empty(); }

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

ProfileFile::Line::Line(std::string lineText, std::string_view lineEnding)
    : text(std::move(lineText)), ending(lineEnding) {
    const std::string_view t = text;
    std::optional<std::string_view> name = sectionName(t);
    if (name) {
        kind = Kind::Section;
    } else if (const auto eq = t.find('='); eq != std::string_view::npos) {
        // "key=value"; blanks around the key name are not part of it.
        kind = Kind::Entry;
        name = trimBlanks(t.substr(0, eq));
    }
    if (name) {
        nameStart = static_cast<std::size_t>(name->data() - t.data());
        nameLength = name->size();
    }
}

ProfileFile::ProfileFile(std::string_view bytes) {
    lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    while (!bytes.empty()) {
        const auto lf = bytes.find('\n');
        std::string_view text = bytes.substr(0, lf);
        std::string_view ending;
        if (lf != std::string_view::npos) {
            ending = kLf;
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
                ending = kCrLf;
            }
            bytes.remove_prefix(lf + 1);
        } else {
            bytes = {};
        }
        lines_.emplace_back(std::string(text), ending);
    }
}

std::optional<std::size_t> ProfileFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].isSection() && sameName(lines_[i].name(), section)) return i;
    return std::nullopt;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !lines_[i].isSection()) ++i;
    return i;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
    const auto header = findSection(section);
    if (!header) return std::nullopt;
    const std::size_t end = sectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const Line& l = lines_[i];
        if (l.isEntry() && sameName(l.name(), key))
            return l.text.substr(l.text.find('=') + 1, kMaxValueLength);
    }
    return std::nullopt;
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
    std::string line = std::string(key) + "=" + std::string(value);

    // A line that gets a successor must end; the file's last line may not.
    auto terminate = [this](std::size_t i) {
        if (lines_[i].ending.empty()) lines_[i].ending = kCrLf;
    };

    const auto header = findSection(section);
    if (!header) {
        if (!lines_.empty()) terminate(lines_.size() - 1);
        lines_.emplace_back("[" + std::string(section) + "]", kCrLf);
        lines_.emplace_back(std::move(line), kCrLf);
        return;
    }
    const std::size_t end = sectionEnd(*header);
    std::size_t last = *header;  // the section's last non-blank line
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (lines_[i].isEntry() && sameName(lines_[i].name(), key)) {
            lines_[i] = Line(std::move(line), kCrLf);
            return;
        }
        if (!isBlank(lines_[i].text)) last = i;
    }
    terminate(last);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), Line(std::move(line), kCrLf));
}

std::string ProfileFile::bytes() const {
    std::size_t size = 0;
    for (const Line& l : lines_) size += l.text.size() + l.ending.size();
    std::string out;
    out.reserve(size);
    for (const Line& l : lines_) {
        out += l.text;
        out += l.ending;
    }
    return out;
}

}  // namespace zeru::cfgfile
