# SPDX-License-Identifier: MIT
"""Receipts audited on the page: chooses a ZIP of receipts, or the XML files of a folder, on the
card "Recibos de nómina (CFDI)" in headless Chromium and reads the page's own measure (documents
per second, from the choice to the report ready), and the longest a 10 ms timer on the page
waited meanwhile. bench_receipt_throughput --keep DIR writes such a set (DIR/recibos.zip and
DIR/xml).

usage: /usr/bin/python3 web/tools/receipts_speed.py PAGE SOURCE [RUNS]
"""
import glob
import os
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

from chromium import start_chromium

# The longest gap between ticks of a 10 ms timer: how long the page could not answer.
WATCH = """
window.longestWait = 0;
let last = performance.now();
setInterval(() => {
  const now = performance.now();
  longestWait = Math.max(longestWait, now - last);
  last = now;
}, 10);
"""


def main():
    page, source = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    files = [source] if os.path.isfile(source) else sorted(
        glob.glob(os.path.join(source, '**', '*.xml'), recursive=True))
    with tempfile.TemporaryDirectory() as profile:
        driver = start_chromium(profile, 1100, 1400)
        try:
            for run in range(runs):
                driver.get('file://' + page)
                WebDriverWait(driver, 10).until(
                    lambda d: d.execute_script('return "ready" in document.body.dataset'))
                driver.execute_script(WATCH)
                driver.find_element(By.ID, 'archivoRecibos').send_keys('\n'.join(files))
                WebDriverWait(driver, 600, 0.1).until(lambda d: d.execute_script(
                    'return document.body.dataset.recibos === "listo"'))
                rate, wait, status = driver.execute_script(
                    'return [document.body.dataset.recibosPorSegundo, longestWait, '
                    'document.getElementById("lblRecibos").textContent]')
                print(f'run {run + 1}: {int(rate):,} documents/s, longest wait {wait:.0f} ms; '
                      f'{status}')
        finally:
            driver.quit()


if __name__ == '__main__':
    main()
