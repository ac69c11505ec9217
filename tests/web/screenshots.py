#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots of the page in headless Chromium at 1366 x 768: light and dark,
100 % and 200 % zoom, on a few pages; then the search box open and the field
it found, on 1280 x 800 at 150 % and 1920 x 1080 at 100 %, light and dark.
Usage: screenshots.py SITE OUT_DIR [PAGE...]"""
import pathlib
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import harness  # noqa: E402

site, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
out.mkdir(parents=True, exist_ok=True)
server, url = harness.serve(site)
pages = sys.argv[3:] or ["TabSheet_radio"]
try:
    for dark in (False, True):
        for zoom in (1, 2):
            with tempfile.TemporaryDirectory() as folder:
                driver, _ = harness.start_browser(folder, dark=dark, zoom=zoom)
                try:
                    driver.get(url)
                    harness.WebDriverWait(driver, 30).until(
                        lambda d: d.execute_script("return document.body.dataset.ready"))
                    for page in pages:
                        driver.execute_script("window.zeruPage && window.zeruPage.show(arguments[0])", page)
                        name = f"{page}-{'dark' if dark else 'light'}-{zoom * 100}.png"
                        driver.save_screenshot(str(out / name))
                finally:
                    driver.quit()
    for dark in (False, True):
        for size, zoom in (((1280, 800), 1.5), ((1920, 1080), 1)):
            with tempfile.TemporaryDirectory() as folder:
                driver, _ = harness.start_browser(folder, dark=dark, zoom=zoom, size=size)
                try:
                    driver.get(url)
                    harness.WebDriverWait(driver, 30).until(
                        lambda d: d.execute_script("return document.body.dataset.ready"))
                    name = f"{size[0]}x{size[1]}-{'dark' if dark else 'light'}-{int(zoom * 100)}"
                    driver.execute_script("window.zeruPage.search.open();"
                                          "const line = document.getElementById('Search_line');"
                                          "line.value = 'beacon 2 path';"
                                          "line.dispatchEvent(new Event('input'));")
                    driver.save_screenshot(str(out / f"search-open-{name}.png"))
                    driver.switch_to.active_element.send_keys("\n")
                    driver.save_screenshot(str(out / f"search-found-{name}.png"))
                finally:
                    driver.quit()
finally:
    server.shutdown()
