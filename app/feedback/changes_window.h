// SPDX-License-Identifier: GPL-3.0-or-later
// The "Changes" window: every setting that differs between the window and a
// reference (the baseline at first; the defaults, a file or the device on
// request), with its page, field label and both values. A click shows
// the field; "Revert" and "Revert all" put the reference's values back, and
// "Undo revert" (Ctrl+Z) takes the last of them back.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compare/comparison.h"
#include "interaction/user_interface.h"
#include "settings/result.h"
#include "settings/settings_model.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zeru::app {

class FieldFeedback;

// Where the configurations to compare with come from; the composition root
// fills them with the file and device flows.
struct ComparisonSources {
    // Asks for a file and loads it over `settings` (the start-up settings);
    // the file's name, or nullopt when cancelled or refused.
    std::function<std::optional<std::string>(Settings& settings)> file;
    // Reads the device's configuration into `settings` as a command, without
    // a word to the log; when it was not read, the failure whose text tells
    // why.
    std::function<Outcome(Settings& settings)> device;
};

class ChangesWindow : public QDialog {
    Q_OBJECT
public:
    enum class Reference { Baseline, Defaults, File, Device };

    ChangesWindow(FieldFeedback& feedback, Settings& settings, UserInterface& ui, QWidget* parent);

    void setSources(ComparisonSources sources) { sources_ = std::move(sources); }

    // Compares with `reference`; false (the comparison as it was) when the
    // file or the device could not be read.
    bool compareWith(Reference reference);

    // The lines as shown, and the settings they name.
    QTreeWidget& list() const { return *list_; }
    std::vector<std::string> listedSettings() const;

    // Puts the selected lines, or every line, back to the reference's values.
    void revertSelected();
    void revertAll();
    // Puts back the values the last revert took away (once; Ctrl+Z).
    void undoRevert();

private:
    const Settings& reference() const;
    void fill();
    // The differences from the chosen reference, in file key order.
    std::vector<compare::Difference> currentDifferences() const;
    void revert(const std::vector<compare::Difference>& differences);
    void showLine(int row);

    FieldFeedback& feedback_;
    Settings& settings_;
    UserInterface& ui_;  // the rules' messages after a revert
    ComparisonSources sources_;
    Reference reference_ = Reference::Baseline;
    SettingsModel other_;  // the defaults, a file or the device
    QString otherName_;
    std::vector<compare::Difference> differences_;

    QComboBox* choice_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* empty_ = nullptr;  // "No changes."
    QPushButton* revert_ = nullptr;
    QPushButton* revertAll_ = nullptr;
    QPushButton* undo_ = nullptr;
    SettingsModel beforeRevert_;  // the values before the last revert
};

}  // namespace zeru::app
