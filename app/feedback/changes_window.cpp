// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedback/changes_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "app/feedback/feedback_list.h"
#include "app/feedback/field_feedback.h"
#include "app/fields/field_factory.h"
#include "app/widgets/page_locator.h"
#include "app/widgets/text_size.h"
#include "changes/pending_changes.h"
#include "compare/held_settings.h"
#include "interaction/silent_ui.h"
#include "rules/rules.h"

namespace zeru::app {
namespace {

constexpr int kSettingRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

}  // namespace

ChangesWindow::ChangesWindow(FieldFeedback& feedback, Settings& settings, UserInterface& ui, QWidget* parent)
    : QDialog(parent), feedback_(feedback), settings_(settings), ui_(ui) {
    setObjectName(QStringLiteral("Changes_window"));
    setWindowTitle(QStringLiteral("Changes"));

    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("Changes_reference"));
    choice_->addItems({QStringLiteral("Last read, loaded, saved or written"), QStringLiteral("Defaults"),
                       QStringLiteral("A file..."), QStringLiteral("The device")});
    choice_->setAccessibleName(QStringLiteral("Compare with"));
    auto* choiceLabel = new QLabel(QStringLiteral("&Compare with:"), this);
    choiceLabel->setBuddy(choice_);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("Changes_list"));
    list_->setAccessibleName(QStringLiteral("Differences"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    empty_ = createEmptyListText(*list_, QStringLiteral("No changes."));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Changes_summary"));

    revert_ = new QPushButton(QStringLiteral("&Revert"), this);
    revert_->setObjectName(QStringLiteral("Changes_revert"));
    revert_->setToolTip(
        QStringLiteral("Puts the selected settings back to the values they are compared with."));
    revertAll_ = new QPushButton(QStringLiteral("Revert &all"), this);
    revertAll_->setObjectName(QStringLiteral("Changes_revert_all"));
    revertAll_->setToolTip(
        QStringLiteral("Puts every listed setting back to the value it is compared with."));
    undo_ = new QPushButton(QStringLiteral("&Undo revert"), this);
    undo_->setObjectName(QStringLiteral("Changes_undo"));
    undo_->setToolTip(QStringLiteral("Puts back the values the last revert took away (Ctrl+Z)."));
    undo_->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(revert_, QDialogButtonBox::ActionRole);
    buttons->addButton(revertAll_, QDialogButtonBox::ActionRole);
    buttons->addButton(undo_, QDialogButtonBox::ActionRole);
    for (QPushButton* b : {revert_, revertAll_, undo_}) b->setAutoDefault(false);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &ChangesWindow::undoRevert);

    auto* top = new QHBoxLayout;
    top->addWidget(choiceLabel);
    top->addWidget(choice_);
    top->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(list_, 1);
    column->addWidget(summary_);
    column->addWidget(buttons);
    resize(sizeForText(*this, 100, 21));

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(revert_, &QPushButton::clicked, this, &ChangesWindow::revertSelected);
    connect(revertAll_, &QPushButton::clicked, this, &ChangesWindow::revertAll);
    connect(undo_, &QPushButton::clicked, this, &ChangesWindow::undoRevert);
    // A click shows the field as well as Enter or a double-click does.
    for (auto signal : {&QTreeWidget::itemActivated, &QTreeWidget::itemClicked})
        connect(list_, signal, this,
                [this](QTreeWidgetItem* item) { showLine(list_->indexOfTopLevelItem(item)); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { revert_->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(choice_, &QComboBox::activated, this, [this](int index) {
        if (!compareWith(static_cast<Reference>(index)))
            choice_->setCurrentIndex(static_cast<int>(reference_));
    });
    connect(&feedback_, &FieldFeedback::updated, this, [this] {
        if (isVisible()) fill();
    });
    fill();
}

bool ChangesWindow::compareWith(Reference reference) {
    SettingsModel other;
    QString name;
    switch (reference) {
        case Reference::Baseline:
            break;
        case Reference::Defaults: {
            SilentUi quiet;  // with the defaults no rule has anything to say
            rules::applyStartupSequence(other, quiet);
            name = QStringLiteral("Defaults");
            break;
        }
        case Reference::File: {
            SilentUi quiet;
            rules::applyStartupSequence(other, quiet);
            const auto file = sources_.file ? sources_.file(other) : std::nullopt;
            if (!file) return false;
            name = QFileInfo(QFile::decodeName(QByteArray::fromStdString(*file))).fileName();
            break;
        }
        case Reference::Device: {
            if (!sources_.device) return false;
            const Outcome read = sources_.device(other);
            if (!read) {
                // Told here, where the comparison was asked for.
                summary_->setText(QStringLiteral("Not compared with the device:\n") +
                                  messageText(read.failure().text));
                return false;
            }
            name = QStringLiteral("Device");
            break;
        }
    }
    reference_ = reference;
    copySettings(other, other_);
    otherName_ = name;
    choice_->setCurrentIndex(static_cast<int>(reference));
    fill();
    return true;
}

const Settings& ChangesWindow::reference() const {
    return reference_ == Reference::Baseline ? feedback_.baseline() : other_;
}

std::vector<compare::Difference> ChangesWindow::currentDifferences() const {
    if (reference_ == Reference::Baseline) return feedback_.changes();
    // Against the device, the window's values as the device would hold them
    // once written: a device written from this window then shows no change.
    SettingsModel held;
    if (reference_ == Reference::Device && compare::asTheDeviceHoldsIt(settings_, held))
        return compare::compareSettings(other_, held);
    return compare::compareSettings(other_, settings_);
}

void ChangesWindow::fill() {
    differences_ = currentDifferences();
    std::set<std::string> selected;
    for (QTreeWidgetItem* item : list_->selectedItems())
        selected.insert(item->data(0, kSettingRole).toString().toStdString());

    list_->clear();
    list_->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("Field"),
                            reference_ == Reference::Baseline ? QStringLiteral("Was") : otherName_,
                            QStringLiteral("Now")});
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < differences_.size(); ++i) {
        const compare::Difference& d = differences_[i];
        const std::string setting(settingName(d.key->setting));
        const QWidget* field = feedback_.field(d.key->setting);
        auto* item = new QTreeWidgetItem(
            {pageCaption(field), fieldName(field, setting), latin1(d.before), latin1(d.after)});
        item->setData(0, kSettingRole, QString::fromStdString(setting));
        item->setData(0, kIndexRole, static_cast<int>(i));
        items.append(item);
    }
    list_->addTopLevelItems(items);
    for (QTreeWidgetItem* item : items)
        if (selected.contains(item->data(0, kSettingRole).toString().toStdString())) item->setSelected(true);
    fitColumns(*list_, 3);
    empty_->setVisible(items.isEmpty());

    const std::size_t n = differences_.size();
    summary_->setText(n == 0   ? QStringLiteral("No differences.")
                      : n == 1 ? QStringLiteral("1 setting differs.")
                               : QStringLiteral("%1 settings differ.").arg(n));
    revert_->setEnabled(!list_->selectedItems().isEmpty());
    revertAll_->setEnabled(n > 0);
}

std::vector<std::string> ChangesWindow::listedSettings() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(list_->topLevelItemCount()));
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        names.push_back(list_->topLevelItem(i)->data(0, kSettingRole).toString().toStdString());
    return names;
}

void ChangesWindow::revertSelected() {
    std::vector<compare::Difference> chosen;
    for (QTreeWidgetItem* item : list_->selectedItems())
        chosen.push_back(differences_[static_cast<std::size_t>(item->data(0, kIndexRole).toInt())]);
    revert(chosen);
}

void ChangesWindow::revertAll() { revert(differences_); }

void ChangesWindow::revert(const std::vector<compare::Difference>& differences) {
    if (differences.empty()) return;
    // The values as they were, for one undo (every setting is copied).
    copySettings(settings_, beforeRevert_);
    // Each as if picked by the user: the rules settle, their messages shown.
    changes::revertSettings(settings_, reference(), differences, ui_);
    undo_->setEnabled(true);
    feedback_.refresh();
    fill();
}

void ChangesWindow::undoRevert() {
    if (!undo_->isEnabled()) return;
    undo_->setEnabled(false);
    // The values exactly as they were, settled then: no rule runs again.
    changes::revertSettings(settings_, beforeRevert_, compare::compareSettings(beforeRevert_, settings_));
    feedback_.refresh();
    fill();
}

void ChangesWindow::showLine(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= differences_.size()) return;
    feedback_.showSetting(differences_[static_cast<std::size_t>(row)].key->setting, true);
}

}  // namespace zeru::app
