# SPDX-License-Identifier: MIT
"""How fast the page's payroll card runs a payroll in headless Chromium on this machine.

usage: /usr/bin/python3 web/tools/payroll_speed.py PAGE [ROWS] [RUNS]

Generates an ordinary payroll of ROWS rows (default 1,000,000: every period, a fifth of the
amounts grouped and quoted, a subsidy sum on half the annual rows, a name column), chooses it on
the card RUNS times (default 3) and prints for each run: the rows per second, from the choice to
the results ready for download (the page's own measure), the WebAssembly heap at the end, and the
longest the page's main thread went without running a 10 ms timer meanwhile (what a click would
have waited for).
"""
import os
import random
import statistics
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

from chromium import start_chromium

PERIODS = ['Mensual', 'Anual', 'Semanal', 'Decenal', 'Catorcenal', 'Quincenal']

# A timer every 10 ms while the card works; the longest gap between two of its ticks.
WATCH = '''
window.payrollGap = 0;
let last = performance.now();
window.payrollWatch = setInterval(() => {
  const now = performance.now();
  payrollGap = Math.max(payrollGap, now - last);
  last = now;
}, 10);
'''


def write_payroll(path, rows):
    rng = random.Random(2016)
    with open(path, 'w', encoding='utf-8') as out:
        out.write('num,periodo,ingreso_gravable,suma_subsidio,nombre\n')
        for i in range(rows):
            period = rng.choice(PERIODS)
            cents = rng.randint(0, 6_000_000)
            amount = (f'"{cents // 100:,}.{cents % 100:02d}"' if rng.random() < 0.2
                      else f'{cents // 100}.{cents % 100:02d}')
            subsidy = f'{rng.randint(0, 600_000) / 100:.2f}' if period == 'Anual' and i % 2 else ''
            out.write(f'{i},{period},{amount},{subsidy},Empleado {i}\n')


def main():
    page = os.path.abspath(sys.argv[1])
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    with tempfile.TemporaryDirectory() as folder:
        payroll = os.path.join(folder, 'nomina.csv')
        write_payroll(payroll, rows)
        print(f'payroll: {rows:,} rows, {os.path.getsize(payroll) / 1e6:.1f} MB')
        driver = start_chromium(os.path.join(folder, 'perfil'), 1100, 1400)
        rates = []
        try:
            for run in range(runs):
                driver.get('file://' + page)
                WebDriverWait(driver, 10).until(lambda d: d.execute_script(
                    'return "ready" in document.body.dataset'))
                driver.execute_script(WATCH)
                driver.find_element(By.ID, 'archivoNomina').send_keys(payroll)
                WebDriverWait(driver, 600, 0.05).until(lambda d: d.execute_script(
                    'return document.body.dataset.nomina !== "trabajando"'))
                state, ms, heap, gap = driver.execute_script(
                    'clearInterval(payrollWatch); const d = document.body.dataset;'
                    'return [d.nomina, Number(d.nominaMs), Number(d.nominaMemoria), payrollGap];')
                if state != 'listo':
                    sys.exit(f'run {run + 1}: {state}: ' +
                             driver.find_element(By.ID, 'lblNomina').text)
                rates.append(rows * 1000 / ms)
                print(f'run {run + 1}: {rates[-1]:,.0f} rows/s ({ms:,.0f} ms), heap '
                      f'{heap / 2**20:.0f} MiB, longest wait of the page {gap:.0f} ms')
        finally:
            driver.quit()
    print(f'median of {runs}: {statistics.median(rates):,.0f} rows/s')
    print('load average (1, 5, 15 min): %.2f %.2f %.2f' % os.getloadavg())


if __name__ == '__main__':
    main()
