// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "settings/form_description.h"
#include "settings/spoken_name.h"

namespace zeru {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// A JSON string from Latin-1 text: every byte is its code point, so bytes from
// 0x80 up take two bytes in UTF-8; quotes, backslashes and controls are escaped.
void appendString(std::string& out, std::string_view latin1) {
    out += '"';
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    out += '"';
}

void appendKey(std::string& out, std::string_view key) {
    appendString(out, key);
    out += ':';
}

void appendMember(std::string& out, std::string_view key, std::string_view text) {
    appendKey(out, key);
    appendString(out, text);
    out += ',';
}

void appendMember(std::string& out, std::string_view key, int number) {
    appendKey(out, key);
    out += std::to_string(number);
    out += ',';
}

// Replaces the comma after an object's or array's last member by its closing bracket.
void close(std::string& out, char bracket) {
    if (out.back() == ',')
        out.back() = bracket;
    else
        out += bracket;
}

void appendSetting(std::string& out, const SettingDef& def) {
    out += '{';
    appendMember(out, "name", def.name);
    const bool text = def.kind == SettingKind::Text;
    appendMember(out, "kind", text ? "text" : "choice");
    appendMember(out, "label", def.label);
    appendMember(out, "spokenName", spokenName(def));
    appendMember(out, "tooltip", def.help);
    if (text) {
        appendMember(out, "maxLength", def.maxLength);
        appendMember(out, "default", def.defaultText);
    } else {
        appendKey(out, "choices");
        out += '[';
        for (std::string_view entry : def.choices) {
            appendString(out, entry);
            out += ',';
        }
        close(out, ']');
        out += ',';
        appendMember(out, "default", def.defaultIndex);
    }
    close(out, '}');
}

void appendPage(std::string& out, const FormPage& page) {
    out += '{';
    appendMember(out, "name", page.name);
    appendMember(out, "caption", page.caption);
    appendKey(out, "pages");
    out += '[';
    for (const FormPage& child : page.pages) {
        appendPage(out, child);
        out += ',';
    }
    close(out, ']');
    out += ',';
    appendKey(out, "groups");
    out += '[';
    for (const FormGroup& group : page.groups) {
        out += '{';
        appendMember(out, "caption", group.caption);
        appendKey(out, "settings");
        out += '[';
        for (const SettingDef* def : group.settings) {
            appendSetting(out, *def);
            out += ',';
        }
        close(out, ']');
        out += "},";
    }
    close(out, ']');
    out += '}';
}

}  // namespace

std::string formDescriptionJson(const FormDescription& form) {
    std::string out = "{";
    appendMember(out, "title", form.title);
    appendMember(out, "version", form.version);
    appendKey(out, "pages");
    out += '[';
    for (const FormPage& page : form.pages) {
        appendPage(out, page);
        out += ',';
    }
    close(out, ']');
    out += "}\n";
    return out;
}

}  // namespace zeru
