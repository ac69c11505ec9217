// SPDX-License-Identifier: GPL-3.0-or-later
// The command row's connection state follows devices that come and go, shows
// a drop-down only when there are several, hands the choice to the device
// selector, and leaves the enumeration alone while a command runs.
#include "app/commands/device_status.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "sim/simulator_transport.h"

namespace zeru::app::test {
namespace {

struct Bench {
    Bench() {
        a.present = false;
        b.present = false;
        b.serialNumber = "ZS0002";
        status.attach(connected, selector, [this] { return commandRunning; });
    }
    sim::DeviceState a, b;
    sim::SimulatorTransport transport{{{"sim:a", &a}, {"sim:b", &b}}};
    ConnectedDevices connected{transport};
    DeviceSelector selector;
    bool commandRunning = false;
    DeviceStatus status;
};

struct Step {
    bool a, b;            // which devices are plugged in
    int choose;           // drop-down entry the user picks (-1: none)
    QString state;        // "" while the drop-down shows instead
    QStringList entries;  // of the drop-down, when shown
    std::string choice;   // what the commands use ("" the first found)
};

TEST(DeviceStatus, FollowsDevicesThatComeAndGo) {
    const Step steps[] = {
        {false, false, -1, "none", {}, ""},
        {true, false, -1, "connected", {}, ""},
        {true, true, -1, "", {"ZS0001", "ZS0002"}, "sim:a"},
        {true, true, 1, "", {"ZS0001", "ZS0002"}, "sim:b"},
        {false, true, -1, "connected", {}, ""},
        {true, true, -1, "", {"ZS0001", "ZS0002"}, "sim:b"},  // the choice stays
        {false, false, -1, "none", {}, ""},
    };
    Bench bench;
    bench.status.show();
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(++n);
        bench.a.present = s.a;
        bench.b.present = s.b;
        bench.status.poll();
        QComboBox* chooser = bench.status.chooser();
        if (s.choose >= 0) {
            chooser->setCurrentIndex(s.choose);
            emit chooser->activated(s.choose);
        }
        EXPECT_EQ(bench.status.state()->isVisible(), !s.state.isEmpty());
        if (!s.state.isEmpty()) {
            EXPECT_EQ(bench.status.state()->text(), s.state);
        }
        EXPECT_EQ(chooser->isVisible(), !s.entries.isEmpty());
        QStringList entries;
        for (int i = 0; chooser->isVisible() && i < chooser->count(); ++i) entries << chooser->itemText(i);
        EXPECT_EQ(entries, s.entries);
        EXPECT_EQ(bench.selector.choice(), s.choice);
    }
}

TEST(DeviceStatus, AsksNothingWhileACommandRunsAndPollsWithinTwoSeconds) {
    Bench bench;
    bench.commandRunning = true;
    bench.a.present = true;
    bench.status.poll();
    EXPECT_EQ(bench.status.state()->text(), "none");
    bench.commandRunning = false;
    bench.status.poll();
    EXPECT_EQ(bench.status.state()->text(), "connected");
    EXPECT_TRUE(bench.status.timer().isActive());
    EXPECT_LE(bench.status.timer().interval(), 2000);
}

}  // namespace
}  // namespace zeru::app::test
