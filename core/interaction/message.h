// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tells the user (boxes, log lines, questions) is UTF-8, as
// its paths are; the texts of the settings, the .cfg file and the device are
// Latin-1, one byte a character. A Message is the one kind of text a
// UserInterface takes, so a setting's text cannot reach a box or the log
// without saying how: a text of the program's own is written in the source or
// built from paths and numbers (fromUtf8); a setting's or file's text quoted
// inside it goes through latin1ToUtf8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace zeru {

// `latin1` with every byte from 0x80 up written as its two-byte UTF-8 sequence.
std::string latin1ToUtf8(std::string_view latin1);
// Text typed outside the program (the command line, a browser's field) for a
// setting: a character beyond Latin-1 becomes '?', as the window's fields
// make it.
std::string utf8ToLatin1(std::string_view utf8);

class Message {
public:
    Message() = default;
    // A text written in the source (source files are UTF-8).
    template <std::size_t N>
    Message(const char (&text)[N]) : text_(text, N - 1) {}  // NOLINT(google-explicit-constructor)

    // A text of the program's own, built at run time: UTF-8 already.
    static Message fromUtf8(std::string_view utf8) { return Message(std::string(utf8), 0); }
    // A whole text from a setting, the file or the device.
    static Message fromLatin1(std::string_view latin1) { return Message(latin1ToUtf8(latin1), 0); }

    const std::string& utf8() const { return text_; }
    operator std::string_view() const { return text_; }  // NOLINT(google-explicit-constructor)
    bool empty() const { return text_.empty(); }

    friend Message operator+(Message a, const Message& b) {
        a.text_ += b.text_;
        return a;
    }
    friend bool operator==(const Message&, const Message&) = default;

private:
    Message(std::string utf8, int) : text_(std::move(utf8)) {}
    std::string text_;
};

}  // namespace zeru
