// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aprs/coordinate_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/fields/field_factory.h"
#include "aprs/maidenhead.h"

namespace zeru::app {
namespace {

std::optional<aprs::Position> parse(const QString& text) {
    // UTF-8: degree, minute and second signs only separate numbers.
    return aprs::parsePosition(text.toUtf8().toStdString());
}

QString deviceTexts(const aprs::Position& p) {
    return latin1(aprs::deviceLatitude(p.latitude)) + QLatin1Char(' ') +
           latin1(aprs::deviceLongitude(p.longitude));
}

// A paste (keyboard or context menu) of a whole position into either field
// fills both; any other paste goes in as typed.
class PastePosition : public QObject {
public:
    PastePosition(QLineEdit* latitude, QLineEdit* longitude, QObject* parent)
        : QObject(parent), latitude_(latitude), longitude_(longitude) {
        latitude->installEventFilter(this);
        longitude->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return pastePosition();
        // Only the two fields are watched; a field being destroyed is no line edit any more.
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && event->type() == QEvent::ContextMenu) {
            const std::optional<aprs::Position> p = parse(QApplication::clipboard()->text());
            if (!p) return false;
            QMenu* menu = field->createStandardContextMenu();
            QAction* both = new QAction(QStringLiteral("Paste position %1").arg(deviceTexts(*p)), menu);
            menu->insertAction(menu->actions().value(0), both);
            menu->insertSeparator(menu->actions().value(1));
            connect(both, &QAction::triggered, this, [this] { pastePosition(); });
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    // True when the clipboard held a position and both fields took it.
    bool pastePosition() {
        const std::optional<aprs::Position> p = parse(QApplication::clipboard()->text());
        if (!p) return false;
        fillCoordinateFields(*p, latitude_, longitude_);
        return true;
    }

    QLineEdit* latitude_;
    QLineEdit* longitude_;
};

}  // namespace

CoordinateEntryDialog::CoordinateEntryDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Station position"));
    auto* column = new QVBoxLayout(this);
    QLabel* label =
        createLabel(QStringLiteral("&Position (decimal degrees, degrees and minutes, or a locator):"), this);
    input_ = new QLineEdit(this);
    input_->setPlaceholderText(
        QStringLiteral("52.38467, 16.96900   or   52°23'04.8\"N 16°58'08.4\"E   or   JO82lj"));
    input_->setAccessibleName(QStringLiteral("Position"));
    input_->setMinimumWidth(input_->fontMetrics().horizontalAdvance(input_->placeholderText()) + 16);
    label->setBuddy(input_);
    result_ = createLabel(QString(), this);
    result_->setAccessibleName(QStringLiteral("Fills in"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    column->addWidget(label);
    column->addWidget(input_);
    column->addWidget(result_);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(input_, &QLineEdit::textChanged, this, [this] { preview(); });
    preview();
}

std::optional<aprs::Position> CoordinateEntryDialog::position() const { return parse(input_->text()); }

void CoordinateEntryDialog::preview() {
    const std::optional<aprs::Position> p = position();
    ok_->setEnabled(p.has_value());
    if (p)
        result_->setText(QStringLiteral("Latitude and Longitude become %1.").arg(deviceTexts(*p)));
    else if (input_->text().trimmed().isEmpty())
        result_->setText(QStringLiteral("Type or paste a position."));
    else
        result_->setText(QStringLiteral("Not a position: latitude first, then longitude."));
}

void fillCoordinateFields(const aprs::Position& position, QLineEdit* latitude, QLineEdit* longitude) {
    latitude->setText(latin1(aprs::deviceLatitude(position.latitude)));
    longitude->setText(latin1(aprs::deviceLongitude(position.longitude)));
}

QWidget* createPositionButton(QLineEdit* latitude, QLineEdit* longitude, QWidget* parent) {
    QPushButton* button = createButton(QStringLiteral("Position…"), QStringLiteral("Button_position_entry"),
                                       QStringLiteral("Enter the position as decimal degrees, degrees and "
                                                      "minutes, or a Maidenhead locator."),
                                       parent);
    button->setAccessibleName(QStringLiteral("Enter position"));
    new PastePosition(latitude, longitude, button);
    QObject::connect(button, &QPushButton::clicked, button, [=] {
        auto* dialog = new CoordinateEntryDialog(button);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &QDialog::accepted, button, [=] {
            if (const auto p = dialog->position()) fillCoordinateFields(*p, latitude, longitude);
        });
        dialog->open();
    });
    return button;
}

QLabel* createPositionSummary(QLineEdit* latitude, QLineEdit* longitude, QWidget* parent) {
    QLabel* summary = createLabel(QString(), parent);
    summary->setAccessibleName(QStringLiteral("Position in decimal degrees and locator"));
    const auto show = [=] {
        const auto p = aprs::fromDeviceTexts(latitude->text().toLatin1().toStdString(),
                                             longitude->text().toLatin1().toStdString());
        summary->setText(p ? latin1(aprs::decimalDegrees(*p)) + QStringLiteral("   ") +
                                 latin1(aprs::locatorOf(*p))
                           : QStringLiteral("not a position the device takes"));
    };
    QObject::connect(latitude, &QLineEdit::textChanged, summary, show);
    QObject::connect(longitude, &QLineEdit::textChanged, summary, show);
    show();
    return summary;
}

}  // namespace zeru::app
