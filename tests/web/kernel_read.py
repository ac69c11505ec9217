#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Inside the test guest: "Read config" through Chromium's real WebHID, the
device granted by policy. Prints the log and exits 0 when it read."""
import sys
import tempfile
import time

sys.path.insert(0, __import__("os").path.dirname(__file__))
import harness  # noqa: E402

url = sys.argv[1]
folder = tempfile.mkdtemp()
driver, _ = harness.start_browser(folder, fake_hid=False)
start = time.monotonic()
try:
    driver.get(url)
    wait = harness.WebDriverWait(driver, 300)
    wait.until(lambda d: d.execute_script("return document.body.dataset.ready"))
    wait.until(lambda d: "connected" in d.find_element(harness.By.ID, "Device_status").text)
    print(f"ok: page up, device granted by policy ({time.monotonic() - start:.0f} s)")
    driver.find_element(harness.By.ID, "Button_read_config").click()
    wait.until(lambda d: d.execute_script("return document.getElementById('Message_box').open"))
    box = driver.execute_script("return document.getElementById('Message_text').textContent")
    lines = driver.execute_script("return [...document.querySelectorAll('#Memo1 > *')].map((e) => e.textContent)")
    print("\n".join(lines))
    print(f"box: {box!r}")
    ok = "Eeprom read success." in lines and box.startswith("Firmware version: 1.02")
    print(("ok" if ok else "FAIL") + f": Read config over the kernel ({time.monotonic() - start:.0f} s)")
    sys.exit(0 if ok else 1)
finally:
    driver.quit()
