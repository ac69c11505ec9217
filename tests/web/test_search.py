# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding a setting and setting a field back, by keyboard: Ctrl+K or /,
the words, Enter lands the focus in the field on its page; Alt+Shift+D and
Alt+Shift+L set the focused field back, its rule run by the core."""
import unittest

from harness import PageTest
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys


class SearchTest(PageTest):
    def active(self):
        return self.js("return document.activeElement.id")

    def hits(self):
        return self.js("return [...document.querySelectorAll('#Search_hits li')]"
                       ".map((li) => li.textContent)")

    def test_keys_open_the_box_and_enter_lands_in_the_field(self):
        cases = [
            # (how it opens, words, field, first hit)
            ("ctrl+k", "beacon 2 path", "Beacon2_path1_string", "Beacons › Beacon 2 › Path 1WIDE1"),
            ("/", "kiss baud", "Kiss_baudrate", "External interfaces › KISS › KISS baudrate9600"),
            ("ctrl+k", "preamble", "Txdelay", "Radio › TX delay [ms]250"),
        ]
        for opener, words, field, first in cases:
            with self.subTest(words=words):
                self.find("#tab-TabSheet_radio").click()
                if opener == "/":
                    ActionChains(self.driver).send_keys("/").perform()
                else:
                    ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("k").key_up(Keys.CONTROL).perform()
                self.assertEqual(self.active(), "Search_line")
                self.driver.switch_to.active_element.send_keys(words)
                self.assertEqual(self.hits()[0], first)
                self.driver.switch_to.active_element.send_keys(Keys.ENTER)
                self.assertEqual(self.active(), field)
                self.assertTrue(self.find(f"#{field}").is_displayed(), "its page and tab are shown")
                self.assertTrue(self.js("return document.getElementById(arguments[0])"
                                        ".closest('.control').classList.contains('found')", field))
                self.assertTrue(self.js("return document.getElementById('Search').hidden"))

    def test_escape_gives_the_focus_back_and_down_chooses_the_next_hit(self):
        self.show("Latitude")
        self.find("#Latitude").click()
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("k").key_up(Keys.CONTROL).perform()
        self.driver.switch_to.active_element.send_keys("baud")
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.assertEqual(self.active(), "Latitude")
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("k").key_up(Keys.CONTROL).perform()
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN, Keys.ENTER)
        self.assertEqual(self.active(), "Console_baudrate")

    def test_keys_and_menu_set_a_field_back(self):
        core = "window.zeruPage.core"
        self.type_into("Callsign", "OK1ZRU")
        # Nothing read yet: the menu offers the default only.
        ActionChains(self.driver).context_click(self.find("#Callsign")).perform()
        self.assertFalse(self.find("#Field_menu").get_attribute("hidden"))
        self.assertEqual([self.find("#Reset_to_default").is_enabled(), self.find("#Back_to_last_read").is_enabled()],
                         [True, False])
        self.assertIn("Alt+Shift+D", self.find("#Reset_to_default").text)
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.assertEqual(self.active(), "Callsign")
        self.js(f"{core}.saveToFile()")  # what a save leaves: the baseline
        self.type_into("Callsign", "SP9X")
        for keys, expected in (("l", "OK1ZRU"), ("d", "NOCALL")):
            ActionChains(self.driver).key_down(Keys.ALT).key_down(Keys.SHIFT).send_keys(keys) \
                .key_up(Keys.SHIFT).key_up(Keys.ALT).perform()
            self.assertEqual(self.value("Callsign"), expected)
        # A choice set back runs its rule: Bluetooth back to KISS takes KISS from RS-232.
        self.choose("Serial1_mode", 4)
        self.wait_for(lambda: self.js("return document.getElementById('Message_box').open"))
        self.answer()
        self.assertEqual(self.value("Serial2_mode"), 0)
        ActionChains(self.driver).context_click(self.find("#Serial2_mode")).perform()
        self.find("#Reset_to_default").click()
        _, text = self.box()
        self.assertIn("RS-232 port 2 changed to None.", text)
        self.answer()
        self.assertEqual([self.value("Serial2_mode"), self.value("Serial1_mode")], [2, 0])
        self.assertIn("Default: KISS", self.find("#Serial2_mode").get_attribute("title"))


if __name__ == "__main__":
    unittest.main()
