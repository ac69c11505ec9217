# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a built site and drives Debian's Chromium, headless, through
chromedriver. Every test gets a fresh browser profile in a temporary folder,
with the fake navigator.hid installed before the page's scripts run.

With ZERU_WEB_PAGE naming the page as one file (scripts/web.sh --single), the
same tests open that file from disk instead; the fake navigator.hid then takes
the simulator from ZERU_WEB_SITE's core/ folder, put into the page beside it.
The site is served with the Content-Security-Policy header that the README
gives to those who host it."""
import base64
import functools
import http.server
import os
import pathlib
import shutil
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

HERE = pathlib.Path(__file__).resolve().parent
SITE = pathlib.Path(os.environ.get("ZERU_WEB_SITE", HERE.parents[1] / "build-web" / "site")).resolve()
PAGE = pathlib.Path(os.environ["ZERU_WEB_PAGE"]).resolve() if os.environ.get("ZERU_WEB_PAGE") else None
README = HERE.parents[1] / "README.md"
CHROMIUM = os.environ.get("ZERU_CHROMIUM", "/usr/bin/chromium")
CHROMEDRIVER = os.environ.get("ZERU_CHROMEDRIVER", "/usr/bin/chromedriver")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # connections kept open, as any web server does

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        self.send_header("Content-Security-Policy", hosting_policy())
        super().end_headers()


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser that goes away mid-request (a test ends) is no failure


@functools.cache
def hosting_policy():
    """The Content-Security-Policy header the README tells a host to send."""
    for line in README.read_text().splitlines():
        if line.startswith("Content-Security-Policy: "):
            return line.split(": ", 1)[1]
    raise AssertionError("the README gives no Content-Security-Policy header")


@functools.cache
def simulator_script():
    """The site's simulator module as a plain script that defines
    window.zeruSimFactory, its WebAssembly inside: a page opened from disk
    may import nothing."""
    module = (SITE / "core" / "zeru-sim.js").read_text()
    module = module.replace("import.meta.url", "location.href").replace("export default createZeruSim;", "")
    wasm = base64.b64encode((SITE / "core" / "zeru-sim.wasm").read_bytes()).decode()
    return ("window.zeruSimFactory = (() => {" + module + "\nreturn () => createZeruSim({wasmBinary: "
            f"Uint8Array.from(atob('{wasm}'), (c) => c.charCodeAt(0))}});}})();")


def serve(directory):
    """Serves `directory` on 127.0.0.1 on a free port; returns (server, url)."""
    handler = functools.partial(QuietHandler, directory=str(directory))
    server = QuietServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def start_browser(folder, fake_hid=True, dark=False, zoom=1.0, size=(1366, 768), eager=False):
    """A headless Chromium whose profile, downloads and home are in `folder`.
    `eager`: navigation returns once the document is parsed (slow machines)."""
    options = webdriver.ChromeOptions()
    if eager:
        options.page_load_strategy = "none"
    options.binary_location = CHROMIUM
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                "--no-first-run", "--no-default-browser-check", "--disable-extensions",
                f"--user-data-dir={folder}/profile", f"--window-size={size[0]},{size[1]}"):
        options.add_argument(arg)
    if dark:
        options.add_argument("--force-dark-mode")
        options.add_argument("--blink-settings=preferredColorScheme=0")
    downloads = pathlib.Path(folder) / "downloads"
    downloads.mkdir(exist_ok=True)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                              "download.prompt_for_download": False})
    env = dict(os.environ, HOME=str(folder), XDG_CONFIG_HOME=f"{folder}/config",
               XDG_CACHE_HOME=f"{folder}/cache")
    service = Service(CHROMEDRIVER, env=env, log_output=os.devnull) if "log_output" in \
        Service.__init__.__code__.co_varnames else Service(CHROMEDRIVER, env=env)
    driver = webdriver.Chrome(service=service, options=options)
    if zoom != 1.0:
        # What the browser's zoom does to the layout: fewer CSS pixels, each larger.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": int(size[0] / zoom), "height": int(size[1] / zoom), "deviceScaleFactor": zoom,
            "mobile": False})
    driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})
    if fake_hid and PAGE:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": simulator_script()})
    if fake_hid:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": (HERE / "fake_hid.js").read_text()})
    # Every violation of the page's Content-Security-Policy is kept for the tests.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
        "window.zeruCspViolations = [];"
        "document.addEventListener('securitypolicyviolation',"
        " (e) => window.zeruCspViolations.push(e.violatedDirective + ' ' + e.blockedURI));")})
    return driver, downloads


class PageTest(unittest.TestCase):
    """Opens the site in a fresh browser for each test."""
    fake_hid = True
    server = url = None

    @classmethod
    def setUpClass(cls):
        if PAGE:
            if not PAGE.exists():
                raise unittest.SkipTest(f"no page {PAGE}: run scripts/web.sh --single {PAGE}")
            cls.url = PAGE.as_uri()
            return
        if not (SITE / "index.html").exists():
            raise unittest.SkipTest(f"no site in {SITE}: run scripts/web.sh --build {SITE}")
        cls.server, cls.url = serve(SITE)

    @classmethod
    def tearDownClass(cls):
        if cls.server:
            cls.server.shutdown()

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="zeru-web-")
        self.driver, self.downloads = start_browser(self.folder, fake_hid=self.fake_hid)
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.addCleanup(self.driver.quit)
        self.open()

    def open(self):
        self.js("window.zeruPage && window.zeruPage.leaveWithoutAsking()")
        self.driver.get(self.url)
        try:
            self.wait_for(lambda: self.js("return document.body.dataset.ready === 'true'"))
        except Exception:
            raise AssertionError("the page did not start: " + " | ".join(
                e["message"] for e in self.driver.get_log("browser"))[:2000]) from None

    # Helpers
    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def async_js(self, script, *args):
        """Runs `script` as the body of an async function; returns its result."""
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            f"(async () => {{ {script} }})().then(done, (e) => done('error: ' + e));", *args)

    def wait_for(self, condition, timeout=30, message=None):
        return WebDriverWait(self.driver, timeout).until(lambda d: condition(), message)

    def find(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def value(self, name):
        return self.js("const c = document.getElementById(arguments[0]);"
                       "return c.tagName === 'SELECT' ? c.selectedIndex : c.value;", name)

    def type_into(self, name, text):
        """Replaces a text field's value as a user would, by keys."""
        self.js("document.getElementById(arguments[0]).closest('[role=tabpanel]');", name)
        self.show(name)
        control = self.find(f"#{name}")
        control.clear()
        control.send_keys(text)

    def choose(self, name, index):
        """Picks an entry of a choice as a user would."""
        self.show(name)
        self.js("const c = document.getElementById(arguments[0]); c.selectedIndex = arguments[1];"
                "c.dispatchEvent(new Event('input', {bubbles: true}));"
                "c.dispatchEvent(new Event('change', {bubbles: true}));", name, index)

    def show(self, name):
        self.js("window.zeruPage.show(arguments[0])", name)

    def log_lines(self):
        return self.js("return [...document.querySelectorAll('#Memo1 > *')].map((e) => e.textContent)")

    def box(self, timeout=30):
        """Waits for a message box; returns (caption, text)."""
        self.wait_for(lambda: self.js("return document.getElementById('Message_box').open"), timeout)
        return (self.find("#Message_caption").text,
                self.js("return document.getElementById('Message_text').textContent"))

    def answer(self, caption="OK"):
        """Presses the button `caption` of the open message box."""
        buttons = self.driver.find_elements(By.CSS_SELECTOR, "#Message_buttons button")
        next(b for b in buttons if b.text == caption).click()
        self.wait_for(lambda: not self.js("return document.getElementById('Message_box').open"))

    def wait_idle(self, timeout=120):
        """Waits until no command runs."""
        time.sleep(0.05)
        self.wait_for(lambda: self.js("return !document.body.classList.contains('busy')"), timeout)
