// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/symbol_picker.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/fields/field_factory.h"
#include "app/widgets/text_size.h"
#include "aprs/symbols.h"

namespace zeru::app {
namespace {

constexpr int kTableRole = Qt::UserRole;
constexpr int kCodeRole = Qt::UserRole + 1;
constexpr int kOverlayRole = Qt::UserRole + 2;

QString describe(const QString& table, const QString& code) {
    return latin1(aprs::describeSymbol(table.toLatin1().toStdString(), code.toLatin1().toStdString()));
}

// The description, cut with "…" where the row is too narrow (whole in the tooltip).
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;
    // The whole text stays the label's text (screen readers read it); only
    // the painting cuts it.
    void setFullText(const QString& text) {
        full_ = text;
        setText(text);
        setToolTip(text);
    }
    QSize sizeHint() const override {
        return {fontMetrics().horizontalAdvance(full_) + 4, QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance(QStringLiteral("/> Car")) + 4, QLabel::sizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(contentsRect(), Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
    }

private:
    QString full_;
};

}  // namespace

SymbolPickerDialog::SymbolPickerDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("APRS symbol"));
    auto* column = new QVBoxLayout(this);

    auto* searchRow = new QHBoxLayout;
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(QStringLiteral("car, weather, /> ..."));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(QStringLiteral("Search symbols"));
    QLabel* searchLabel = createLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(search_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    column->addLayout(searchRow);

    list_ = new QListWidget(this);
    list_->setAccessibleName(QStringLiteral("Symbols"));
    list_->setUniformItemSizes(true);
    for (char table : {aprs::kPrimaryTable, aprs::kAlternateTable})
        for (const aprs::Symbol& s : aprs::symbolTable(table)) {
            QString text = QString(QLatin1Char(s.table)) + QLatin1Char(s.code) + QStringLiteral("   ") +
                           latin1(s.description);
            if (s.takesOverlay) text += QStringLiteral("   [overlay 0-9, A-Z]");
            auto* item = new QListWidgetItem(text, list_);
            item->setData(kTableRole, QChar(QLatin1Char(s.table)));
            item->setData(kCodeRole, QChar(QLatin1Char(s.code)));
            item->setData(kOverlayRole, s.takesOverlay);
            if (s.use != aprs::SymbolUse::Assigned) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    QFont mono = list_->font();
    mono.setFamily(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    list_->setFont(mono);
    column->addWidget(list_, 1);

    auto* overlayRow = new QHBoxLayout;
    overlay_ = new QComboBox(this);
    overlay_->addItem(QStringLiteral("none (\\)"), QChar(QLatin1Char(aprs::kAlternateTable)));
    for (char c = '0'; c <= 'Z'; ++c)
        if (aprs::isOverlayCharacter(c)) overlay_->addItem(QString(QLatin1Char(c)), QChar(QLatin1Char(c)));
    overlay_->setAccessibleName(QStringLiteral("Overlay character"));
    QLabel* overlayLabel = createLabel(QStringLiteral("&Overlay:"), this);
    overlayLabel->setBuddy(overlay_);
    overlayRow->addWidget(overlayLabel);
    overlayRow->addWidget(overlay_);
    overlayRow->addStretch(1);
    column->addLayout(overlayRow);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    column->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
    connect(list_, &QListWidget::currentItemChanged, this, [this] { followSelection(); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled) accept();
    });
    followSelection();
    resize(sizeForText(*this, mono, 56, 24));
}

void SymbolPickerDialog::select(QChar table, QChar code) {
    const bool overlay = aprs::isOverlayCharacter(table.toLatin1());
    const QChar listTable = overlay ? QChar(QLatin1Char(aprs::kAlternateTable)) : table;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        if (item->data(kTableRole).toChar() == listTable && item->data(kCodeRole).toChar() == code) {
            list_->setCurrentItem(item);
            list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            if (overlay) overlay_->setCurrentIndex(overlay_->findData(table));
            return;
        }
    }
}

std::pair<QChar, QChar> SymbolPickerDialog::chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return {};
    QChar table = item->data(kTableRole).toChar();
    if (item->data(kOverlayRole).toBool()) table = overlay_->currentData().toChar();
    return {table, item->data(kCodeRole).toChar()};
}

void SymbolPickerDialog::filter(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
    QListWidgetItem* current = list_->currentItem();
    if (current && current->isHidden()) list_->setCurrentItem(nullptr);
    followSelection();
}

void SymbolPickerDialog::followSelection() {
    const QListWidgetItem* item = list_->currentItem();
    const bool usable = item && !item->isHidden() && (item->flags() & Qt::ItemIsEnabled);
    overlay_->setEnabled(usable && item->data(kOverlayRole).toBool());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(usable);
}

QWidget* createSymbolHelper(QLineEdit* code, QLineEdit* table, QWidget* parent) {
    auto* helper = new QWidget(parent);
    auto* row = new QHBoxLayout(helper);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QPushButton* button =
        createButton(QStringLiteral("Symbols…"), QStringLiteral("Button_symbol_picker"),
                     QStringLiteral("Choose the symbol from the APRS symbol tables."), helper);
    button->setAccessibleName(QStringLiteral("Choose symbol"));
    auto* description = new ElidedLabel(helper);
    description->setAccessibleName(QStringLiteral("Symbol"));
    row->addWidget(button);
    row->addWidget(description, 1);

    const auto show = [=] { description->setFullText(describe(table->text(), code->text())); };
    QObject::connect(code, &QLineEdit::textChanged, description, show);
    QObject::connect(table, &QLineEdit::textChanged, description, show);
    show();

    QObject::connect(button, &QPushButton::clicked, button, [=] {
        auto* dialog = new SymbolPickerDialog(button);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        if (!table->text().isEmpty() && !code->text().isEmpty())
            dialog->select(table->text().front(), code->text().front());
        QObject::connect(dialog, &QDialog::accepted, button, [=] {
            const auto [t, c] = dialog->chosen();
            if (t.isNull() || c.isNull()) return;
            table->setText(QString(t));
            code->setText(QString(c));
        });
        dialog->open();
    });
    return helper;
}

}  // namespace zeru::app
