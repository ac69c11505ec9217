// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/setting_search.h"

#include <algorithm>
#include <tuple>

#include "cfgfile/file_keys.h"
#include "interaction/message.h"
#include "search/folded_text.h"
#include "search/setting_place.h"
#include "settings/spoken_name.h"

namespace zeru::search {
namespace {

// How closely one typed word meets a setting; 0: not at all.
enum Closeness : int { kNone = 0, kInside = 1, kPlaceStart = 2, kNameStart = 3, kNameWord = 4 };

void append(std::vector<std::string>& to, std::vector<std::string> words) {
    for (std::string& word : words) to.push_back(std::move(word));
}

bool anyStartsWith(const std::vector<std::string>& words, std::string_view start) {
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& w) { return w.starts_with(start); });
}

// How many typed words follow each other as they do in `name`: "beacon 2
// path" meets "Beacon 2 path 1" twice and "Beacon 1 path 2" not at all.
int wordsTogether(const std::vector<std::string>& typed, const std::vector<std::string>& name) {
    int together = 0;
    for (std::size_t i = 0; i + 1 < typed.size(); ++i)
        for (std::size_t j = 0; j + 1 < name.size(); ++j)
            if (name[j] == typed[i] && name[j + 1].starts_with(typed[i + 1])) {
                ++together;
                break;
            }
    return together;
}

std::vector<std::size_t> formOrder() {
    std::vector<std::size_t> order(kSettingCount);
    std::size_t next = 0;
    for (const PageLayout& page : kFormLayout)
        for (const GroupLayout& group : page.groups)
            for (SettingId id : group.settings) order[indexOf(id)] = next++;
    return order;
}

}  // namespace

std::string readableValue(const SettingDef& def, const Settings& values) {
    if (def.kind == SettingKind::Text) return values.text(def.id);
    const int index = values.index(def.id);
    if (index < 0 || static_cast<std::size_t>(index) >= def.choices.size()) return {};
    return std::string(def.choices[static_cast<std::size_t>(index)]);
}

SettingSearch::SettingSearch(const Catalogue& catalogue) {
    const std::vector<std::size_t> order = formOrder();
    entries_.reserve(catalogue.size());
    for (const SettingDef& def : catalogue.defs()) {
        Entry e;
        e.def = &def;
        const cfgfile::FileKey& key = cfgfile::fileKeyOf(def.id);
        e.fileKey = std::string(key.section) + "." + std::string(key.key);
        e.place = placeText(def);
        const std::string spoken = spokenName(def);
        for (std::string_view name : {def.label, std::string_view(spoken), key.key, def.name}) {
            e.exactNames.push_back(joinedWords(foldLatin1(name)));
            append(e.nameWords, wordsOf(name, true));
        }
        e.exactNames.push_back(joinedWords(foldLatin1(e.fileKey)));
        append(e.placeWords, foldedWords(foldUtf8(e.place)));
        append(e.placeWords, wordsOf(key.section, true));
        e.elsewhere = wordsOf(def.help, true);
        for (std::string_view choice : def.choices) append(e.elsewhere, wordsOf(choice, true));
        e.spokenWords = wordsOf(spoken);
        e.keyWords = wordsOf(def.name);
        e.formOrder = order[indexOf(def.id)];
        entries_.push_back(std::move(e));
    }
}

std::vector<Hit> SettingSearch::find(std::string_view words, const Settings& values,
                                     std::size_t limit) const {
    const std::string folded = foldUtf8(words);
    const std::vector<std::string> typed = foldedWords(folded);
    if (typed.empty() || limit == 0) return {};
    const std::string whole = joinedWords(folded);

    struct Found {
        const Entry* entry;
        Rank rank;
        int closeness;
        int together;
    };
    std::vector<Found> found;
    for (const Entry& e : entries_) {
        const std::vector<std::string> value = wordsOf(readableValue(*e.def, values), true);
        int total = 0;
        int least = kNameWord;
        for (const std::string& word : typed) {
            int closeness = kNone;
            if (std::find(e.nameWords.begin(), e.nameWords.end(), word) != e.nameWords.end())
                closeness = kNameWord;
            else if (anyStartsWith(e.nameWords, word))
                closeness = kNameStart;
            else if (anyStartsWith(e.placeWords, word))
                closeness = kPlaceStart;
            else if (anyStartsWith(e.elsewhere, word) || anyStartsWith(value, word))
                closeness = kInside;
            least = std::min(least, closeness);
            if (closeness == kNone) break;
            total += closeness;
        }
        if (least == kNone || total == 0) continue;
        const bool exact = std::find(e.exactNames.begin(), e.exactNames.end(), whole) != e.exactNames.end();
        const Rank rank = exact ? Rank::Exact : least >= kNameStart ? Rank::WordStart : Rank::Elsewhere;
        const int together = std::max(wordsTogether(typed, e.spokenWords), wordsTogether(typed, e.keyWords));
        found.push_back({&e, rank, total, together});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tuple(a.rank, -a.closeness, -a.together, a.entry->spokenWords.size(),
                          a.entry->formOrder) <
               std::tuple(b.rank, -b.closeness, -b.together, b.entry->spokenWords.size(), b.entry->formOrder);
    });
    if (found.size() > limit) found.resize(limit);

    std::vector<Hit> hits;
    hits.reserve(found.size());
    for (const Found& f : found)
        hits.push_back({f.entry->def->id, f.rank, f.entry->place,
                        latin1ToUtf8(readableValue(*f.entry->def, values)), f.entry->fileKey});
    return hits;
}

}  // namespace zeru::search
