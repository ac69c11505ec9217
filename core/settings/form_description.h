// SPDX-License-Identifier: GPL-3.0-or-later
// The whole form as data, for a front end that builds its own fields (the
// browser page): the pages in tab order, their group frames, and every
// setting in reading order with what a field needs to show and check it.
//
// formDescriptionJson writes it as one UTF-8 JSON object of this shape:
//
//   {"title": "Kestrovane Zeru Configurator", "version": "v1.02",
//    "pages": [                                  // top-level pages, tab order
//      {"name": "TabSheet_radio", "caption": "Radio",
//       "pages": [],                             // second-level pages, same shape
//       "groups": [                              // runs of fields, reading order
//         {"caption": "",                        // the group frame, "" for none
//          "settings": [
//            {"name": "Callsign",                // the setting's name (and field id)
//             "kind": "text",                    // "text" or "choice"
//             "label": "Callsign:",              // beside the field, "" where a column header serves
//             "spokenName": "Callsign",          // the field named on its own
//             "tooltip": "Station callsign.",    // "" when none
//             "maxLength": 6,                    // text: the most characters typed
//             "default": "NOCALL"},              // text: the start-up text
//            {"name": "Ptt", "kind": "choice", "label": "PTT:", "spokenName": "PTT",
//             "tooltip": "PTT output type.",
//             "choices": ["separate output", "2k2 resistor"],
//             "default": 0}]}]}]}                // choice: the start-up index
//
// Texts are the catalogue's own, converted from Latin-1.
#pragma once

#include <string>
#include <vector>

#include "settings/catalogue.h"

namespace zeru {

struct FormGroup {
    std::string caption;
    std::vector<const SettingDef*> settings;  // into the catalogue the description was built from
};

struct FormPage {
    std::string name;
    std::string caption;
    std::vector<FormPage> pages;  // second-level pages
    std::vector<FormGroup> groups;
};

struct FormDescription {
    std::string title;
    std::string version;
    std::vector<FormPage> pages;  // top-level pages
};

FormDescription describeForm(const Catalogue& catalogue = settingsCatalogue());

std::string formDescriptionJson(const FormDescription& form);

}  // namespace zeru
