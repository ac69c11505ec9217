// SPDX-License-Identifier: GPL-3.0-or-later
#include "cfgfile/save_refusal.h"

#include <string>

#include "cfgfile/file_keys.h"
#include "settings/whole_number.h"

namespace zeru::cfgfile {

std::optional<SettingId> settingRefusedBySave(const Settings& settings) {
    for (const FileKey& k : fileKeys())
        if ((k.form == KeyForm::Number && !parseWholeNumber(settings.text(k.setting))) ||
            (k.form == KeyForm::Text && settings.text(k.setting).find_first_of("\r\n") != std::string::npos))
            return k.setting;
    return std::nullopt;
}

}  // namespace zeru::cfgfile
