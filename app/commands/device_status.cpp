// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/device_status.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

namespace zeru::app {
namespace {

// The drop-down names a device briefly, by its serial number where it has
// one; its tooltip and the state's give the whole entry.
QString shortText(const HidDeviceInfo& device) {
    return QString::fromStdString(device.serialNumber.empty() ? device.path : device.serialNumber);
}

QString entryText(const HidDeviceInfo& device) {
    QString path = QString::fromStdString(device.path);
    if (device.serialNumber.empty()) return path;
    return path + QStringLiteral(" (") + QString::fromStdString(device.serialNumber) + QLatin1Char(')');
}

}  // namespace

DeviceStatus::DeviceStatus(QWidget* parent)
    : QWidget(parent),
      caption_(new QLabel(QStringLiteral("Device:"), this)),
      stack_(new QStackedWidget(this)),
      state_(new QLabel(QStringLiteral("none"), stack_)),
      chooser_(new QComboBox(stack_)) {
    setObjectName(QStringLiteral("Device_status"));
    state_->setObjectName(QStringLiteral("Device_state"));
    chooser_->setObjectName(QStringLiteral("Device_choice"));
    chooser_->setAccessibleName(QStringLiteral("Device"));
    // Room for a serial number from the start: the window's size is fixed
    // when it is built, before any device shows, and the row is full. A
    // longer entry is elided here and shown whole in the list.
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser_->setMinimumContentsLength(6);
    caption_->setBuddy(chooser_);
    stack_->addWidget(state_);
    stack_->addWidget(chooser_);
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    line->addWidget(caption_);
    line->addWidget(stack_);
    timer_.setInterval(kPollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DeviceStatus::poll);
    connect(chooser_, &QComboBox::activated, this, [this](int index) {
        preferred_ = chooser_->itemData(index).toString().toStdString();
        choose(index);
    });
}

void DeviceStatus::attach(ConnectedDevices& devices, DeviceSelector& selector,
                          std::function<bool()> commandRunning) {
    devices_ = &devices;
    selector_ = &selector;
    commandRunning_ = std::move(commandRunning);
    devices_->refresh();
    display(devices_->devices());
    timer_.start();
}

void DeviceStatus::detach() {
    timer_.stop();
    devices_ = nullptr;
    selector_ = nullptr;
}

void DeviceStatus::poll() {
    if (devices_ == nullptr || (commandRunning_ && commandRunning_())) return;
    if (devices_->refresh()) display(devices_->devices());
}

void DeviceStatus::display(const std::vector<HidDeviceInfo>& devices) {
    chooser_->clear();
    int keep = 0;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        chooser_->addItem(shortText(devices[i]), QString::fromStdString(devices[i].path));
        chooser_->setItemData(static_cast<int>(i), entryText(devices[i]), Qt::ToolTipRole);
        if (devices[i].path == preferred_) keep = static_cast<int>(i);
    }
    const bool several = devices.size() > 1;
    stack_->setCurrentWidget(several ? static_cast<QWidget*>(chooser_) : state_);
    state_->setText(devices.empty() ? QStringLiteral("none") : QStringLiteral("connected"));
    state_->setToolTip(devices.size() == 1 ? entryText(devices.front()) : QString());
    // One device (or none) is used as it is found; of several, the one the
    // user picked last when it is there, else the first.
    if (several) {
        chooser_->setCurrentIndex(keep);
        choose(keep);
    } else {
        selector_->choose({});
    }
}

void DeviceStatus::choose(int index) {
    if (selector_ != nullptr && index >= 0)
        selector_->choose(chooser_->itemData(index).toString().toStdString());
}

}  // namespace zeru::app
