# SPDX-License-Identifier: MIT
"""How fast the page is in headless Chromium on this machine, and how big.

usage: /usr/bin/python3 web/tools/page_speed.py PAGE [LOADS] [CLICKS]

- interactive: from the start of navigation to the mark the page sets once the core has filled
  its lists and bound its inputs, over LOADS fresh loads from disk (default 20);
- click to boxes: one click on Calcular, from the click to all nine boxes written (the handler
  is synchronous), averaged over CLICKS clicks on varied bases (default 2000); apart, the press
  before it, which moves the focus to the button and so formats the base;
- chart redraw: the chart drawn anew and laid out, for a new period (the list's change event)
  and for a new base (what follows a click on Calcular before the next frame), averaged over
  CLICKS / 10 redraws each;
- payment click: one click on the card's button, from the click to every figure and the verdict
  written, averaged over CLICKS clicks on varied payments, the press before it included;
- the size of the file.
"""
import os
import statistics
import sys
import tempfile

from selenium.webdriver.support.wait import WebDriverWait

from chromium import start_chromium

# A click as a mouse makes it: the button takes the focus on the press, which formats the field
# being left, and the click follows. Both parts are timed, apart.
CLICKS = '''
const [clicks] = arguments;
const base = document.getElementById('txtBase');
const button = document.getElementById('cmdCalc');
let pressing = 0, clicking = 0;
for (let i = 0; i < clicks; ++i) {
  base.focus();
  base.value = String((i * 7919) % 300000) + '.' + String(i % 1000).padStart(3, '0');
  base.dispatchEvent(new InputEvent('input'));
  const start = performance.now();
  button.focus();
  const pressed = performance.now();
  button.click();
  clicking += performance.now() - pressed;
  pressing += pressed - start;
}
return [pressing / clicks, clicking / clicks];
'''

# A new period, then a new base, in turns: from the event to the chart laid out (the drawing is
# synchronous; the layout is forced by reading the drawing's size).
REDRAWS = '''
const [redraws] = arguments;
const byId = (id) => document.getElementById(id);
const period = byId('cmbTarifa');
const base = byId('txtBase');
const svg = byId('grafica-svg');
let periods = 0, bases = 0;
for (let i = 0; i < redraws; ++i) {
  let start = performance.now();
  period.selectedIndex = i % period.options.length;
  period.dispatchEvent(new Event('change'));
  svg.getBoundingClientRect();
  periods += performance.now() - start;
  base.focus();
  base.value = String((i * 7919) % 30000) + '.' + String(i % 100).padStart(2, '0');
  base.dispatchEvent(new InputEvent('input'));
  byId('cmdCalc').click();
  start = performance.now();
  chartCalculated(0);
  svg.getBoundingClientRect();
  bases += performance.now() - start;
}
return [periods / redraws, bases / redraws];
'''

# The card's button on varied payments (concepts in turn, some beyond the tariff): from the press
# to every figure written.
PAYMENTS = '''
const [clicks] = arguments;
const byId = (id) => document.getElementById(id);
const payment = byId('txtImporte');
const income = byId('txtIngresoMensual');
const concept = byId('cmbConcepto');
let total = 0;
for (let i = 0; i < clicks; ++i) {
  concept.selectedIndex = i % concept.options.length;
  concept.dispatchEvent(new Event('change'));
  income.value = String((i * 7919) % 300000);
  income.dispatchEvent(new InputEvent('input'));
  payment.focus();
  payment.value = String((i * 104729) % 200000) + '.' + String(i % 100).padStart(2, '0');
  payment.dispatchEvent(new InputEvent('input'));
  const start = performance.now();
  byId('cmdPago').click();
  total += performance.now() - start;
}
return total / clicks;
'''


def main():
    page = os.path.abspath(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    clicks = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    with tempfile.TemporaryDirectory() as profile:
        driver = start_chromium(profile, 1100, 1400)
        try:
            interactive = []
            for _ in range(loads):
                driver.get('file://' + page)
                interactive.append(WebDriverWait(driver, 10).until(lambda d: d.execute_script(
                    'return performance.getEntriesByName("isr2016-ready")[0]?.startTime')))
            press, click = driver.execute_script(CLICKS, clicks)
            redraws = max(clicks // 10, 1)
            period_redraw, base_redraw = driver.execute_script(REDRAWS, redraws)
            payment_click = driver.execute_script(PAYMENTS, clicks)
        finally:
            driver.quit()
    print(f'isr2016.html: {os.path.getsize(page) / 1024:.1f} KiB ({os.path.getsize(page)} bytes)')
    print(f'interactive after navigation, {loads} loads: median {statistics.median(interactive):.0f} ms,'
          f' min {min(interactive):.0f} ms, max {max(interactive):.0f} ms')
    print(f'click to boxes, mean of {clicks}: {click * 1000:.0f} us'
          f' (the press before it, focus moved and base formatted: {press * 1000:.0f} us)')
    print(f'chart redraw, mean of {redraws}: new period {period_redraw:.2f} ms,'
          f' new base {base_redraw:.2f} ms')
    print(f'payment click, mean of {clicks}: {payment_click * 1000:.0f} us')
    print('load average (1, 5, 15 min): %.2f %.2f %.2f' % os.getloadavg())


if __name__ == '__main__':
    main()
