// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/js_user_interface.h"

#include <emscripten.h>

#include <string>

#include "interaction/visible_text.h"

namespace {

// clang-format off
EM_JS(void, zeru_ui_text, (const char* kind, const char* text), {
    const ui = Module.zeruUi;
    const method = UTF8ToString(kind);
    if (ui && typeof ui[method] === 'function') ui[method](UTF8ToString(text));
});

EM_JS(void, zeru_ui_numbers, (const char* kind, int a, int b), {
    const ui = Module.zeruUi;
    const method = UTF8ToString(kind);
    if (ui && typeof ui[method] === 'function') ui[method](a, b);
});

// 1 for Yes, 0 for No.
EM_ASYNC_JS(int, zeru_ui_confirm, (const char* question), {
    const ui = Module.zeruUi;
    if (!ui || typeof ui.confirm !== 'function') return 0;
    return (await ui.confirm(UTF8ToString(question))) ? 1 : 0;
});

// 0 save, 1 discard, 2 cancel.
EM_ASYNC_JS(int, zeru_ui_ask_save_changes, (const char* question), {
    const ui = Module.zeruUi;
    if (!ui || typeof ui.askSaveChanges !== 'function') return 2;
    const answer = await ui.askSaveChanges(UTF8ToString(question));
    return answer === 'save' ? 0 : answer === 'discard' ? 1 : 2;
});
// clang-format on

void send(const char* kind, std::string_view text) {
    zeru_ui_text(kind, std::string(text).c_str());  // messages are UTF-8, as JavaScript takes them
}

}  // namespace

namespace zeru::web {

void JsUserInterface::information(const Message& text) { send("information", text); }
void JsUserInterface::message(const Message& text) { send("message", text); }
void JsUserInterface::error(const Message& text) { send("error", text); }
// The log shows one line a message, its control characters escaped, as the
// desktop's log does.
void JsUserInterface::log(const Message& line) { send("log", visibleLine(line)); }
void JsUserInterface::note(const Message& line) { send("note", line); }

void JsUserInterface::setProgressRange(int minimum, int maximum) {
    zeru_ui_numbers("setProgressRange", minimum, maximum);
}

void JsUserInterface::setProgress(int position) {
    progress_ = position;
    zeru_ui_numbers("setProgress", position, 0);
}

void JsUserInterface::setBusy(bool busy) { zeru_ui_numbers("setBusy", busy ? 1 : 0, 0); }

bool JsUserInterface::confirm(const Message& question) {
    return zeru_ui_confirm(question.utf8().c_str()) != 0;
}

SaveAnswer JsUserInterface::askSaveChanges(const Message& question) {
    switch (zeru_ui_ask_save_changes(question.utf8().c_str())) {
        case 0:
            return SaveAnswer::Save;
        case 1:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

}  // namespace zeru::web
