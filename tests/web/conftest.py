"""Fixtures of the web app's tests: the built app (web/dist, from scripts/build-web.sh) served by
python3 -m http.server on 127.0.0.1, Debian's headless Chromium driven through Selenium, and the
orvane command (build/orvane, or $ORVANE) whose results are the oracle. Where one of them is
missing the browser tests are skipped with the reason, unless ORVANE_WEB_TESTS=required (as in
.ci/run), where they fail."""
import json
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
DIST = pathlib.Path(os.environ.get("ORVANE_WEB_DIST", ROOT / "web" / "dist"))
ORVANE = pathlib.Path(os.environ.get("ORVANE", ROOT / "build" / "orvane"))
EXAMPLES = ROOT / "examples"


def need(condition, why):
    if condition:
        return
    if os.environ.get("ORVANE_WEB_TESTS") == "required":
        pytest.fail(why)
    pytest.skip(why)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


@pytest.fixture(scope="session")
def app_url():
    need((DIST / "index.html").is_file() and (DIST / "orvane.wasm").is_file(),
         f"the web app is not built in {DIST}: run scripts/build-web.sh (needs emscripten)")
    port = free_port()
    server = subprocess.Popen([sys.executable, "-m", "http.server", "-b", "127.0.0.1", str(port), "-d", str(DIST)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    url = f"http://127.0.0.1:{port}/"
    try:
        for _ in range(100):
            try:
                urllib.request.urlopen(url, timeout=1).close()
                break
            except OSError:
                time.sleep(0.1)
        yield url
    finally:
        server.terminate()
        server.wait(timeout=10)


@pytest.fixture(scope="session")
def downloads(tmp_path_factory):
    """The folder the browser saves downloads into."""
    return tmp_path_factory.mktemp("downloads")


@pytest.fixture(scope="session")
def browser(downloads):
    chromium = shutil.which("chromium")
    driver_path = shutil.which("chromedriver")
    need(chromium and driver_path, "Chromium and its driver are not installed (scripts/install-deps.sh web)")
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
    except ImportError:
        need(False, "python3-selenium is not installed (scripts/install-deps.sh web)")
    options = Options()
    options.binary_location = chromium
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1600,1000"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                              "download.prompt_for_download": False})
    driver = webdriver.Chrome(service=Service(driver_path), options=options)
    driver.set_script_timeout(60)
    try:
        yield driver
    finally:
        driver.quit()


class Command:
    """The orvane command: the results document of a run and the check document of a file."""

    def __init__(self, path, workdir):
        self.path = path
        self.workdir = workdir

    def results(self, problem):
        out = pathlib.Path(tempfile.mkdtemp(dir=self.workdir))
        subprocess.run([str(self.path), str(problem), "--out-dir", str(out), "--json"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        return json.loads((out / f"{pathlib.Path(problem).stem}-results.json").read_text())

    def plots(self, problem):
        out = pathlib.Path(tempfile.mkdtemp(dir=self.workdir))
        subprocess.run([str(self.path), str(problem), "--out-dir", str(out), "--plots"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        stem = pathlib.Path(problem).stem
        return {p.name[len(stem):]: p.read_text() for p in out.glob(f"{stem}-*.svg")}

    def check(self, problem):
        done = subprocess.run([str(self.path), "--check", str(problem), "--json"], capture_output=True, text=True)
        return json.loads(done.stdout)


@pytest.fixture(scope="session")
def command(tmp_path_factory):
    need(ORVANE.is_file(), f"the orvane command is not built at {ORVANE}: run scripts/build.sh")
    return Command(ORVANE, tmp_path_factory.mktemp("command"))
