# SPDX-License-Identifier: GPL-3.0-or-later
"""The site as a whole: files saved and read, a browser without WebHID, the
Content-Security-Policy, working offline."""
import os
import pathlib
import subprocess
import time
import unittest

from harness import PAGE, PageTest, SITE, hosting_policy
from test_device import ZERU_CLI


class FilesTest(PageTest):
    def saved(self):
        self.find("#Button_save_to_file").click()
        files = []
        for _ in range(100):
            files = [f for f in self.downloads.iterdir() if not f.name.endswith(".crdownload")]
            if files:
                break
            time.sleep(0.1)
        self.assertEqual(len(files), 1)
        return files[0]

    def test_save_downloads_the_desktops_bytes_under_its_proposed_name(self):
        saved = self.saved()
        self.assertEqual(saved.name, "kestrovane_blue.cfg")
        if os.access(ZERU_CLI, os.X_OK):
            desktop = pathlib.Path(self.folder) / "desktop.cfg"
            subprocess.run([ZERU_CLI, "defaults", "-o", str(desktop)], check=True, capture_output=True,
                           env=dict(os.environ, HOME=self.folder))
            self.assertEqual(saved.read_bytes(), desktop.read_bytes())
        self.assertIn("Saved kestrovane_blue.cfg", self.log_lines())

    def test_a_file_read_back_restores_the_settings(self):
        self.type_into("Callsign", "OK1ZRU")
        self.choose("Position_report_encoding", 2)
        saved = self.saved()
        self.open()
        self.assertEqual(self.value("Callsign"), "NOCALL")
        self.find("#File_input").send_keys(str(saved))
        self.wait_for(lambda: self.value("Callsign") == "OK1ZRU")
        self.assertEqual(self.value("Position_report_encoding"), 2)
        self.assertEqual(self.log_lines()[-1], f"Loaded {saved.name}")
        self.assertEqual(self.find("#Button_changes").text, "Changes", "a file read is the new baseline")

    def test_a_file_that_is_not_a_configuration_is_refused_with_a_box(self):
        bad = pathlib.Path(self.folder) / "notes.cfg"
        bad.write_text("[Notes]\nText=1\n")
        self.find("#File_input").send_keys(str(bad))
        caption, text = self.box()
        self.assertTrue(text)
        self.answer()
        self.assertEqual(self.value("Callsign"), "NOCALL")

    def test_a_dropped_file_is_read(self):
        source = pathlib.Path(self.folder) / "drop.cfg"
        self.type_into("Callsign", "OK1ZRV")
        source.write_bytes(self.saved().read_bytes())
        self.open()
        self.js("""
const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
const data = new DataTransfer();
data.items.add(new File([bytes], 'drop.cfg'));
document.getElementById('Form').dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));
""", __import__("base64").b64encode(source.read_bytes()).decode())
        self.wait_for(lambda: self.value("Callsign") == "OK1ZRV")


class WithoutWebHidTest(PageTest):
    fake_hid = False

    def open(self):
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "delete Navigator.prototype.hid;"})
        super().open()

    def test_says_so_in_one_line_and_the_rest_works(self):
        notice = self.find("#No_webhid")
        self.assertTrue(notice.is_displayed())
        for browser in ("Chrome", "Edge", "Opera", "Chromium"):
            self.assertIn(browser, notice.text)
        for button in ("Button_read_config", "Button_write_config", "Button_upload_firmware"):
            self.assertTrue(self.find(f"#{button}").get_attribute("disabled"))
        self.assertFalse(self.find("#Button_save_to_file").get_attribute("disabled"))
        self.type_into("Callsign", "OK1ZRU")
        self.wait_for(lambda: self.find("#Button_changes").text == "Changes: 1")


class SiteTest(PageTest):
    def test_nothing_breaks_the_content_security_policy(self):
        policy = self.js("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
        if PAGE:  # one file: its own script and style, by their hashes, and nothing else
            self.assertIn("default-src 'none'", policy)
            self.assertRegex(policy, r"script-src 'sha256-[^']+' 'wasm-unsafe-eval';")
            self.assertNotIn("'unsafe-inline'", policy)
        else:  # the header the README gives to hosts is the page's own
            self.assertEqual(policy, hosting_policy())
            self.assertIn("default-src 'self'", policy)
            self.assertIn("script-src 'self' 'wasm-unsafe-eval'", policy)
        self.assertNotIn("'unsafe-eval'", policy.replace("'wasm-unsafe-eval'", ""))
        self.show("Beacon1_message")
        self.find("#Button_special_strings").click()
        self.assertEqual(self.js("return window.zeruCspViolations"), [])

    def test_every_file_is_the_sites_own(self):
        if PAGE:  # opened from disk, the page asks for nothing at all
            self.assertEqual(self.js("return performance.getEntriesByType('resource').map((e) => e.name)"
                                     ".filter((u) => !u.startsWith('data:'))"), [])
            return
        foreign = self.js("return performance.getEntriesByType('resource').map((e) => e.name)"
                          ".filter((u) => !u.startsWith(location.origin))")
        self.assertEqual(foreign, [])

    @unittest.skipIf(PAGE, "a page opened from disk has no service worker, and needs none")
    def test_it_works_offline_once_opened(self):
        self.async_js("await navigator.serviceWorker.ready; return true;")
        self.open()  # now under the service worker's control
        self.assertTrue(self.js("return !!navigator.serviceWorker.controller"))
        self.__class__.server.shutdown()
        try:
            self.driver.execute_cdp_cmd("Network.enable", {})
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
            self.open()
            self.assertEqual(self.js("return document.querySelectorAll('#Form select, #Form input, "
                                     "#Form textarea').length"), 226)
        finally:
            self.__class__.server, self.__class__.url = __import__("harness").serve(SITE)
            # The next test opens a fresh browser on the new address.

    @unittest.skipIf(PAGE, "a page opened from disk cannot be installed")
    def test_the_manifest_makes_it_installable(self):
        manifest = self.async_js("return await (await fetch('manifest.webmanifest')).json();")
        self.assertEqual(manifest["display"], "standalone")
        self.assertTrue(any(i["sizes"] == "512x512" for i in manifest["icons"]))
        for icon in manifest["icons"]:
            self.assertTrue((SITE / icon["src"]).exists(), icon["src"])


if __name__ == "__main__":
    unittest.main()
