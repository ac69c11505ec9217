# SPDX-License-Identifier: GPL-3.0-or-later
"""The device commands over the fake navigator.hid, whose replies come from
the device simulator compiled to WebAssembly: the log lines are the core's
own, the same as zeru-cli's over the native simulator."""
import os
import pathlib
import subprocess
import tempfile
import unittest

from harness import PageTest, HERE, By

ZERU_CLI = os.environ.get("ZERU_CLI", str(HERE.parents[1] / "build-native" / "cli" / "zeru-cli"))
FOUND = "Kestrovane Zeru found, vid: Vid_0483, pid: A050"


def cli_lines(*args):
    """zeru-cli's lines over its own simulator (fresh memory), or None without it."""
    if not os.access(ZERU_CLI, os.X_OK):
        return None
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, HOME=folder, XDG_STATE_HOME=folder, XDG_CONFIG_HOME=folder)
        done = subprocess.run([ZERU_CLI, f"--simulate={folder}/memory.bin", *args], cwd=folder, env=env,
                              capture_output=True, text=True, encoding="latin-1", timeout=120)
    return done.stderr.splitlines()


class DeviceTest(PageTest):
    def simulate(self, version=102, fault=None):
        """Sets the simulator up as zeru-cli's --sim-version and --sim-fault do."""
        self.async_js("await window.zeruFakeHid.ready();"
                      "window.zeruFakeHid.configure(arguments[0], arguments[1]); return true;", version, fault or "")

    def command(self, button, answers=()):
        """Presses a command button, answers its boxes in turn; returns the boxes' texts."""
        self.js("window.zeruFakeHid.grant()")
        start = len(self.log_lines())
        self.find(f"#{button}").click()
        texts = []
        for answer in answers:
            texts.append(self.box(timeout=180)[1])
            self.answer(answer)
        self.wait_idle(timeout=300)
        return texts, self.log_lines()[start:]

    def test_read_config_logs_every_page_and_shows_the_versions(self):
        self.type_into("Callsign", "OK1ZRU")
        self.command("Button_write_config")
        self.type_into("Callsign", "OK1ZRV")
        texts, lines = self.command("Button_read_config", ["OK"])
        self.assertEqual(lines, [FOUND] + [f"Page read: {n}/224" for n in range(1, 225)]
                         + ["Eeprom read success.", FOUND])
        self.assertRegex(texts[0], r"^Firmware version: 1\.02\nHardware version: ")
        self.assertEqual(self.value("Callsign"), "OK1ZRU")
        self.assertEqual(self.find("#Button_changes").text, "Changes", "what was read is the baseline")

    def test_write_keeps_a_backup_lists_changes_and_reads_back(self):
        _, first = self.command("Button_write_config")
        self.assertIn("No backup: the device holds no valid configuration.", first)
        self.type_into("Callsign", "OK1ZRU")
        _, lines = self.command("Button_write_config")
        steps = [line for line in lines if not line.startswith(("Page read: ", "Page written: ", "Page verified: "))]
        self.assertEqual(steps[0], FOUND)
        self.assertRegex(steps[1], r"^Backup saved: \S+_NOCALL(-0)?\.cfg$")
        self.assertEqual(steps[2:], ["Changes on the device: 1 settings", 'Radio.Callsign: "NOCALL" -> "OK1ZRU"',
                                     "Eeprom write success", "Eeprom verify success"])
        self.assertEqual(lines.count("Page verified: 224/224"), 1)
        self.assertEqual(self.js("return window.zeruPage.core.backups().map((b) => b.name)")[0],
                         steps[1][len("Backup saved: "):])
        # Written: the window's settings are the device's now, so nothing is pending.
        self.assertEqual(self.find("#Button_changes").text, "Changes")

    def test_backups_are_kept_across_visits_and_restored(self):
        for call in ("OK1ZRU", "OK1ZRV"):
            self.type_into("Callsign", call)
            self.command("Button_write_config")
        self.open()  # a later visit: the backups are in the browser's storage
        self.find("#Button_backups").click()
        self.wait_for(lambda: self.js("return document.getElementById('Backups_window').open"))
        rows = self.js("return [...document.querySelectorAll('#Backups_list tbody tr')].map((r) => r.textContent)")
        self.assertEqual(len(rows), 1, "the first write found an erased device: nothing to keep")
        self.assertIn("OK1ZRU", rows[0])
        for button in self.driver.find_elements(By.CSS_SELECTOR, "#Backups_list tbody button"):
            if button.text.endswith((".cfg", ".bin")):
                button.click()
        self.wait_for(lambda: len([f for f in self.downloads.iterdir() if not f.name.endswith(".crdownload")]) == 2)
        sizes = sorted(f.stat().st_size for f in self.downloads.iterdir())
        self.assertEqual(sizes[1], 7168)
        self.find("#Backups_list tbody button[aria-label^=Restore]").click()
        self.wait_for(lambda: self.value("Callsign") == "OK1ZRU")

    def test_upload_asks_first_and_sends_every_page(self):
        texts, lines = self.command("Button_upload_firmware", ["Yes"])
        self.assertIn("1.02", texts[0])
        self.assertEqual(lines[-1], "Firmware upgrade success")
        self.assertEqual(lines[-2], "Page written: 1408/1408")
        self.assertEqual(self.js("return document.getElementById('ProgressBar1').value"), 0)
        # Answered No: nothing is sent.
        sent = self.js("return window.zeruFakeHid.sent()")
        texts, lines = self.command("Button_upload_firmware", ["No"])
        self.assertEqual((lines, self.js("return window.zeruFakeHid.sent()")), ([], sent))

    def test_refused_settings_never_reach_the_device(self):
        self.type_into("Beacon2_txrate", "1")
        texts, lines = self.command("Button_write_config", ["OK"])
        self.assertEqual(texts, ["Beacon 2 tx rate range error (5 - 1440)."])
        self.assertEqual(lines, [])
        self.assertEqual(self.js("return window.zeruFakeHid.sent()"), 0)
        self.assertEqual(self.js("return document.activeElement.id"), "Beacon2_txrate")

    def test_other_firmware_is_refused_with_the_windows_box(self):
        self.simulate(version=101)
        texts, _ = self.command("Button_read_config", ["OK"])
        self.assertTrue(texts[0].startswith("Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02"))
        texts, _ = self.command("Button_write_config", ["OK"])
        self.assertIn('using "Upload firmware" button.', texts[0])

    def test_every_fault_of_the_simulator_logs_as_zeru_cli_does(self):
        # (command button, zeru-cli command, fault, boxes to answer)
        cases = [("Button_read_config", ["read", "-o", "out.cfg"], f"{kind}:{page}", [])
                 for kind, page in (("refuse", 5), ("bad-sum", 100), ("bad-echo", 5), ("short", 41),
                                    ("silent", 5), ("wrong-page", 42), ("gone", 5), ("refuse", "hw"))]
        cases += [("Button_write_config", ["write", "in.cfg"], f"{kind}:7", [])
                  for kind in ("refuse", "drop", "flip")]
        for button, args, fault, answers in cases:
            with self.subTest(fault=fault, command=args[0]):
                self.open()
                self.simulate(fault=fault)
                texts, lines = self.command(button, answers)
                while self.js("return document.getElementById('Message_box').open"):
                    texts.append(self.box()[1])
                    self.answer()
                self.assertTrue(lines, "the fault shows in the log")
                expected = cli_lines(f"--sim-fault={fault}", "--verbose", *self.cli_args(args))
                if expected is None:
                    continue
                boxes = {line for text in texts for line in text.split("\n")}
                expected = [line for line in expected if line not in boxes]
                self.assertEqual([strip_path(line) for line in lines], [strip_path(line) for line in expected])

    def cli_args(self, args):
        if args[0] != "write":
            return args
        defaults = pathlib.Path(self.folder) / "in.cfg"
        subprocess.run([ZERU_CLI, "defaults", "-o", str(defaults)], check=True, capture_output=True)
        return ["write", str(defaults)]


def strip_path(line):
    """A backup's name in the browser, a path for zeru-cli: compared without it."""
    return "Backup saved: ..." if line.startswith("Backup saved: ") else line


class DeviceGrantTest(PageTest):
    def test_a_device_granted_before_is_used_again_and_unplugging_shows(self):
        status = lambda: self.find("#Device_status").text  # noqa: E731
        self.assertEqual(status(), "Device: none")
        self.js("window.zeruFakeHid.grant()")
        self.open()
        self.wait_for(lambda: "connected" in status())
        self.js("window.zeruFakeHid.unplug()")
        self.wait_for(lambda: status() == "Device: none")
        self.js("window.zeruFakeHid.plug()")
        self.wait_for(lambda: "connected" in status())
        self.assertFalse(self.find("#Button_read_config").get_attribute("disabled"))

    def test_a_chooser_cancelled_is_a_device_not_found(self):
        self.js("window.zeruFakeHid.refuseChooser()")
        self.find("#Button_read_config").click()
        self.wait_idle()
        self.assertEqual(self.log_lines()[0], "Kestrovane Zeru not found.")


if __name__ == "__main__":
    unittest.main()
