// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fields/path_paste.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "app/fields/field_factory.h"
#include "app/fields/widget_settings.h"
#include "aprs/digipeater_path.h"

namespace zeru::app {
namespace {

struct AddressFields {
    QLineEdit* call;
    QLineEdit* ssid;
};

std::optional<std::vector<aprs::PathAddress>> clipboardPath() {
    return aprs::parsePath(QApplication::clipboard()->text().toLatin1().toStdString());
}

QString pathText(const std::vector<aprs::PathAddress>& path) {
    QStringList parts;
    for (const aprs::PathAddress& a : path) parts << latin1(a.ssid.empty() ? a.call : a.call + "-" + a.ssid);
    return parts.join(QLatin1Char(','));
}

// The watcher of one path row.
class PathPaste : public QObject {
public:
    PathPaste(std::vector<AddressFields> row, QObject* owner) : QObject(owner), row_(std::move(row)) {
        for (const AddressFields& f : row_) f.call->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field) return false;  // being destroyed
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return paste(field);
        if (event->type() != QEvent::ContextMenu) return false;
        const auto path = clipboardPath();
        if (!path) return false;
        QMenu* menu = field->createStandardContextMenu();
        auto* fill = new QAction(QStringLiteral("Paste path %1").arg(pathText(*path)), menu);
        menu->insertAction(menu->actions().value(0), fill);
        menu->insertSeparator(menu->actions().value(1));
        connect(fill, &QAction::triggered, this, [this, field] { paste(field); });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    // True when the clipboard held a path and the row took it.
    bool paste(QLineEdit* field) {
        const auto path = clipboardPath();
        if (!path) return false;
        std::size_t at = 0;
        while (at < row_.size() && row_[at].call != field) ++at;
        // One address fills the field it is pasted into; a whole path is the row's path.
        if (path->size() > 1) at = 0;
        for (std::size_t i = at; i < row_.size(); ++i) {
            const std::size_t n = i - at;
            if (path->size() == 1 && n > 0) break;
            row_[i].call->setText(n < path->size() ? latin1((*path)[n].call) : QString());
            row_[i].ssid->setText(n < path->size() ? latin1((*path)[n].ssid) : QString());
        }
        return true;
    }

    std::vector<AddressFields> row_;
};

}  // namespace

void installPathPaste(const WidgetSettings& settings, QObject* owner) {
    for (const aprs::PathRow& row : aprs::pathRows()) {
        std::vector<AddressFields> fields;
        for (const aprs::PathField& f : row) {
            auto* call = qobject_cast<QLineEdit*>(settings.widget(f.call));
            auto* ssid = qobject_cast<QLineEdit*>(settings.widget(f.ssid));
            if (call && ssid) fields.push_back({call, ssid});
        }
        new PathPaste(std::move(fields), owner);
    }
}

}  // namespace zeru::app
