# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's form against the core's description of it, which the window is
checked against too; its controls, rules and marks."""
import unittest

from harness import PageTest, By

# The page's structure as the DOM shows it: [(page path, group caption, [setting names])].
DOM_LAYOUT = """
const out = [];
const walk = (panel, path) => {
  const nested = panel.querySelector(':scope > [role=tablist]');
  if (nested) {
    for (const sub of panel.querySelectorAll(':scope > [role=tabpanel]')) walk(sub, [...path, sub.id]);
    return;
  }
  for (const group of panel.querySelectorAll(':scope > .group')) {
    const legend = group.querySelector(':scope > legend');
    out.push([path.join('/'), legend ? legend.textContent : '',
              [...group.querySelectorAll('select, input, textarea')].map((c) => c.id)]);
  }
};
for (const panel of document.querySelectorAll('#Form > [role=tabpanel]')) walk(panel, [panel.id]);
return out;
"""

DESCRIPTION_LAYOUT = """
const out = [];
const walk = (page, path) => {
  if (page.pages.length) { page.pages.forEach((p) => walk(p, [...path, p.name])); return; }
  for (const g of page.groups) out.push([path.join('/'), g.caption, g.settings.map((s) => s.name)]);
};
window.zeruPage.description.pages.forEach((p) => walk(p, [p.name]));
return out;
"""


class FormTest(PageTest):
    def test_pages_groups_and_settings_are_the_descriptions(self):
        dom = self.js(DOM_LAYOUT)
        self.assertEqual(dom, self.js(DESCRIPTION_LAYOUT))
        names = [n for _, _, settings in dom for n in settings]
        self.assertEqual(len(names), 226)
        self.assertEqual(len(set(names)), 226)
        top = self.js("return [...document.querySelectorAll('#Form > [role=tablist] > [role=tab]')]"
                      ".map((t) => t.textContent)")
        self.assertEqual(top, ["Radio", "Position reports", "Digipeater", "Beacons", "Telemetry reports",
                               "Weather reports", "External interfaces"])

    def test_every_setting_is_a_labelled_control_as_described(self):
        problems = self.js("""
const bad = [];
const check = (s) => {
  const c = document.getElementById(s.name);
  if (!c) { bad.push(s.name + ': no control'); return; }
  if (!c.labels.length) bad.push(s.name + ': no label');
  // The help, then the start-up value that "Reset to default" gives back.
  const note = window.zeruPage.core.defaultNote(s.name);
  if (c.title !== (s.tooltip ? s.tooltip + '\\n' + note : note)) bad.push(s.name + ': tooltip');
  if (s.kind === 'choice') {
    const texts = [...c.options].map((o) => o.textContent);
    if (c.tagName !== 'SELECT' || JSON.stringify(texts) !== JSON.stringify(s.choices)) bad.push(s.name + ': choices');
    if (c.selectedIndex !== s.default) bad.push(s.name + ': default ' + c.selectedIndex);
  } else {
    if (c.maxLength !== s.maxLength) bad.push(s.name + ': maxlength ' + c.maxLength);
    if (c.value !== s.default && s.name.indexOf('Tele') !== 0) bad.push(s.name + ': default ' + c.value);
  }
};
const walk = (p) => { p.pages.forEach(walk); p.groups.forEach((g) => g.settings.forEach(check)); };
window.zeruPage.description.pages.forEach(walk);
return bad;""")
        self.assertEqual(problems, [])

    def test_command_buttons_carry_the_windows_captions(self):
        captions = [self.find(f"#{b}").text for b in (
            "Button_read_config", "Button_write_config", "Button_upload_firmware",
            "Button_save_to_file", "Button_read_from_file")]
        self.assertEqual(captions, ["Read config", "Write config", "Upload firmware", "Save to file",
                                    "Read from file"])
        self.assertEqual(self.find("#Memo1").get_attribute("role"), "log")
        self.assertEqual(self.find("#ProgressBar1").tag_name, "progress")

    def test_typing_is_limited_and_a_message_takes_no_line_break(self):
        self.type_into("Callsign", "OK1ZRUX")
        self.assertEqual(self.value("Callsign"), "OK1ZRU")
        self.type_into("Beacon4_message", "one\ntwo")
        self.assertEqual(self.value("Beacon4_message"), "onetwo")

    def test_encoding_rule_enables_the_fields_of_the_encoding(self):
        enabled = "return [!document.getElementById('Mice_message').disabled," \
                  " !document.getElementById('Position_time').disabled]"
        self.assertEqual(self.js(enabled), [True, False])
        for index, expected in ((2, [False, True]), (1, [False, True]), (0, [True, False])):
            self.choose("Position_report_encoding", index)
            self.assertEqual(self.js(enabled), expected, index)
        self.assertEqual(self.value("Mice_message"), 0)

    def test_the_helpers_beside_fields_follow_them(self):
        # (fields typed into, the helper's output beside them, what it then shows)
        cases = [
            ({"Ssid": "9"}, "Ssid_hint", "-9: mobile"),
            ({"Position_symbol_code": "_"}, "Symbol_description", "/_ Weather station"),
            ({"Latitude": "5000.00N", "Longitude": "01500.00E"}, "Position_summary", "JO"),
            ({"Teleanalog2_coefa": "0", "Teleanalog2_coefb": "2", "Teleanalog2_coefc": "1"},
             "Teleanalog2_range", "1 … 511"),
        ]
        for typed, helper, expected in cases:
            with self.subTest(helper=helper):
                for field, text in typed.items():
                    self.type_into(field, text)
                self.wait_for(lambda: expected in self.find(f"#{helper}").get_attribute("textContent"),
                              message=f"{helper} shows {expected!r}")

    def test_a_preset_fills_its_channel_only(self):
        before = {n: self.value(n) for n in ("Teleanalog2_name", "Teleanalog4_name")}
        self.choose("Teleanalog3_source", 6)  # "(M) Current2 (1.25A fullscale)"
        self.assertEqual(self.value("Teleanalog3_name"), "A3", "choosing a source applies no preset")
        self.find("#Button_teleanalog3_default").click()
        self.assertEqual([self.value(f"Teleanalog3_{f}") for f in ("name", "units", "coefa", "coefb", "coefc",
                                                                   "average")],
                         ["I2", "mA", "0", "4.88", "0", 0])
        self.assertEqual({n: self.value(n) for n in before}, before)

    def test_port_role_rule_takes_the_role_away_with_its_message(self):
        # (choice, index picked, other choice, its index after, message or None)
        cases = [
            ("Serial2_mode", 1, "Serial1_mode", 0,
             "RS-232 port 2 changed to None.\rReason:\rSerial console can be selected on one port only."),
            ("Serial1_mode", 4, "Serial2_mode", 1, None),
            ("Serial2_mode", 2, "Serial1_mode", 0,
             "RS-232 port 2 changed to None.\rReason:\rKISS packet output can be selected on one port only."),
            ("Serial2_mode", 3, "Serial1_mode", 3, "RS-232 port 2 changed to GPS.\rReason:\r"
             "GPS passthrough function on Bluetooth 1 port needs a GPS connected to RS-232 port 2."),
            ("Serial1_mode", 2, "Serial2_mode", 3, None),
        ]
        for name, index, other, after, message in cases:
            with self.subTest(name=name, index=index):
                self.choose(name, index)
                if message:
                    self.assertEqual(self.box(), ("Information", message.replace("\r", "\n")))
                    self.answer()
                else:
                    self.assertFalse(self.js("return document.getElementById('Message_box').open"))
                self.assertEqual(self.value(other), after)

    def test_special_strings_lists_the_placeholders(self):
        self.show("Beacon1_message")
        self.find("#Button_special_strings").click()
        self.wait_for(lambda: self.js("return document.getElementById('Form2').open"))
        text = self.find("#Form2").text
        self.assertIn("<statlat>", text)
        self.assertIn("/<gpsdate>z<gpslat>/<gpslong>>Kestrovane U=<volt>V.", text)


class KeyboardTest(PageTest):
    def test_pages_fields_and_lists_by_keyboard_alone(self):
        from selenium.webdriver.common.keys import Keys
        self.find("#tab-TabSheet_radio").click()
        active = lambda: self.js("return document.activeElement.id")  # noqa: E731
        # Arrow keys move along the tabs and show their page; Tab goes into the page.
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_RIGHT)
        self.assertEqual(active(), "tab-TabSheet_position_reports")
        self.assertFalse(self.js("return document.getElementById('TabSheet_position_reports').hidden"))
        self.driver.switch_to.active_element.send_keys(Keys.END)
        self.assertEqual(active(), "tab-TabSheet_external_interfaces")
        self.driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(active(), "tab-TabSheet_serial_ports", "the nested tabs come next")
        # A problem typed, then found from the list with Enter.
        self.type_into("Txdelay", "99999")
        self.find("#Button_problems").send_keys(Keys.ENTER)
        self.wait_for(lambda: self.js("return document.getElementById('Problems_window').open"))
        self.js("document.querySelector('#Problems_list tbody tr').focus()")
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertEqual(active(), "Txdelay")


class MarksTest(PageTest):
    def test_problem_and_change_marks_follow_the_field(self):
        self.type_into("Beacon2_txrate", "0")
        self.wait_for(lambda: self.find("#Beacon2_txrate").get_attribute("aria-invalid") == "true")
        described = self.find("#Beacon2_txrate").get_attribute("aria-describedby").split()
        self.assertIn("Beacon2_txrate-problem", described)
        self.assertIn("Beacon2_txrate-change", described)
        self.assertEqual(self.js("return document.getElementById('Beacon2_txrate-problem').textContent"),
                         "Beacon 2 tx rate range error (5 - 1440).")
        self.assertIn("has-problem", self.find("#tab-TabSheet_beacons").get_attribute("class"))
        self.assertRegex(self.find("#Button_problems").text, r"^Problems: [1-9]")
        # Back to its value: no marks at all.
        self.type_into("Beacon2_txrate", "5")
        self.wait_for(lambda: self.find("#Beacon2_txrate").get_attribute("aria-invalid") is None)
        self.assertIsNone(self.find("#Beacon2_txrate").get_attribute("aria-describedby"))
        self.assertNotIn("has-change", self.find("#tab-TabSheet_beacons").get_attribute("class"))

    def test_changes_list_reverts_what_is_chosen(self):
        self.type_into("Callsign", "OK1ZRU")
        self.type_into("Txdelay", "300")
        self.find("#Button_changes").click()
        rows = lambda: self.js("return [...document.querySelectorAll('#Changes_list tbody tr')]"  # noqa: E731
                               ".map((r) => [...r.cells].map((c) => c.textContent))")
        self.assertEqual([r[2:] for r in rows()], [["NOCALL", "OK1ZRU"], ["250", "300"]])
        self.assertEqual(self.find("#Changes_summary").text, "2 settings differ.")
        self.driver.find_elements(By.CSS_SELECTOR, "#Changes_list tbody tr")[1].click()
        self.find("#Changes_revert").click()
        self.assertEqual(len(rows()), 1)
        self.assertEqual(self.value("Txdelay"), "250")
        self.find("#Changes_revert_all").click()
        self.assertEqual(self.find("#Changes_summary").text, "No differences.")
        self.assertEqual(self.value("Callsign"), "NOCALL")

    def test_a_problem_line_leads_to_its_field(self):
        self.type_into("Weather_txrate", "x")
        self.show("Callsign")
        self.find("#Button_problems").click()
        row = next(r for r in self.driver.find_elements(By.CSS_SELECTOR, "#Problems_list tbody tr")
                   if r.get_attribute("data-key") == "Weather_txrate")
        self.assertIn("Error: ", row.text)
        self.driver.execute_script("arguments[0].dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))", row)
        self.assertEqual(self.js("return document.activeElement.id"), "Weather_txrate")
        self.assertFalse(self.js("return document.getElementById('TabSheet_weather_reports').hidden"))


if __name__ == "__main__":
    unittest.main()
