// SPDX-License-Identifier: GPL-3.0-or-later
#include "changes/pending_changes.h"

#include "rules/rules.h"

namespace zeru::changes {

void revertSettings(Settings& settings, const Settings& reference,
                    std::span<const compare::Difference> differences, UserInterface& ui) {
    for (const compare::Difference& d : differences) {
        const cfgfile::FileKey& key = *d.key;
        if (key.form == cfgfile::KeyForm::Header) continue;
        if (key.form == cfgfile::KeyForm::Choice || key.form == cfgfile::KeyForm::Flag)
            settings.setIndex(key.setting, reference.index(key.setting));
        else
            settings.setText(key.setting, reference.text(key.setting));
        rules::settle(settings, key.setting, ui);
    }
}

void revertSettings(Settings& settings, const Settings& reference,
                    std::span<const compare::Difference> differences) {
    for (const compare::Difference& d : differences) {
        const cfgfile::FileKey& key = *d.key;
        if (key.form == cfgfile::KeyForm::Choice || key.form == cfgfile::KeyForm::Flag)
            settings.setIndex(key.setting, reference.index(key.setting));
        else if (key.form != cfgfile::KeyForm::Header)
            settings.setText(key.setting, reference.text(key.setting));
    }
}

namespace {

bool mayDiscard(std::string_view question, bool unsavedChanges, UserInterface& ui,
                const std::function<bool()>& save) {
    if (!unsavedChanges) return true;
    switch (ui.askSaveChanges(Message::fromUtf8(question))) {
        case SaveAnswer::Save:
            return save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

}  // namespace

bool mayClose(bool unsavedChanges, UserInterface& ui, const std::function<bool()>& save) {
    return mayDiscard(kSaveBeforeClosingQuestion, unsavedChanges, ui, save);
}

bool mayReplace(bool unsavedChanges, UserInterface& ui, const std::function<bool()>& save) {
    return mayDiscard(kSaveBeforeReplacingQuestion, unsavedChanges, ui, save);
}

}  // namespace zeru::changes
