# SPDX-License-Identifier: MIT
"""The chart: its points against the command line (ISR_CLI), the subsidy's steps drawn upright,
the marks of the base and of a gross-up's target, a wider range, and the figures read out at the
keyboard and at the pointer."""
import itertools
import json
import os
import re
import subprocess
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

from browser import PageTest

# What is drawn: the ticks of both axes (value in cents, place in pixels), the vertices of both
# lines, the rows of the table beside them, and the two marks.
DRAWN = '''
const svg = document.getElementById('grafica-svg');
const ticks = (kind, at) => [...svg.querySelectorAll('.' + kind)].map(
  (l) => [Number(l.dataset.valor), Number(l.getAttribute(at))]);
const line = (id) => document.getElementById(id).getAttribute('points').trim().split(' ')
  .filter((p) => p).map((p) => p.split(',').map(Number));
const mark = (id, at) => {
  const e = document.getElementById(id);
  return e ? Number(e.getAttribute(at)) : null;
};
return {
  xTicks: ticks('marca-x', 'x1'), yTicks: ticks('marca-y', 'y1'),
  net: line('linea-neto'), tax: line('linea-impuesto'),
  rows: [...document.querySelectorAll('#grafica-filas tr')].map(
    (tr) => [...tr.children].map((c) => c.textContent)),
  base: mark('marca-base', 'x1'), target: mark('marca-neto', 'y1'),
};
'''


def cents(text):
    """ "-1,234.56" or "0" as a count of cents."""
    match = re.fullmatch(r'(-?)([\d,]+)(?:\.(\d\d))?', text)
    assert match, text
    value = int(match[2].replace(',', '')) * 100 + int(match[3] or 0)
    return -value if match[1] else value


def text(count):
    """A count of cents as "#,0.00"."""
    sign = '-' if count < 0 else ''
    return f'{sign}{abs(count) // 100:,}.{abs(count) % 100:02d}'


def scale(ticks):
    """The pixel place of a value, from the first and last ticks of an axis."""
    (v0, p0), (v1, p1) = ticks[0], ticks[-1]
    return lambda value: p0 + (value - v0) * (p1 - p0) / (v1 - v0)


def cli_figures(tables, period, base, subsidy_sum):
    """The command line's tax, subsidy (for Anual, the sum) and net of a base, in cents."""
    run = subprocess.run([os.environ['ISR_CLI'], '--json', '--tablas', tables, period, text(base)]
                         + ([subsidy_sum] if subsidy_sum else []),
                         capture_output=True, text=True, check=True)
    cli = json.loads(run.stdout)
    subsidy = cli['suma_subsidio'] if period == 'Anual' else cli['subsidio']['subsidio']
    return (cents(cli['isr']['impuesto_determinado']), cents(subsidy),
            cents(cli['ingreso_gravable']) - cents(cli['procedimiento_2016']))


# Half a pixel would be a visible error; the page writes places to a tenth.
PLACE = 0.06


class Chart(PageTest):
    def drawn(self):
        """What is drawn once the chart has followed the last click."""
        WebDriverWait(self.driver, 5).until(lambda d: d.execute_script('return !chart.pending'))
        return self.driver.execute_script(DRAWN)

    def test_points_equal_the_command_line(self):
        cases = [
            # (tables, period, base, subsidy sum)
            ('programa', 'Mensual', '3000', None),
            ('anexo8', 'Quincenal', '35000', None),
            ('programa', 'Anual', '100000', '1200'),
            ('programa', 'Semanal', '0', None),
            ('anexo8', 'Catorcenal', '1500.55', None),
            ('programa', 'Decenal', '20000', None),
        ]
        for tables, period, base, subsidy_sum in cases:
            with self.subTest(tables=tables, period=period, base=base):
                self.setUp()
                self.calculate(tables, period, base, subsidy_sum)
                drawn = self.drawn()
                x, y = scale(drawn['xTicks']), scale(drawn['yTicks'])
                rows = [[cents(cell) for cell in row] for row in drawn['rows']]
                self.assertGreater(len(rows), 2)
                self.assertEqual(len(drawn['net']), len(rows))
                self.assertEqual(len(drawn['tax']), len(rows))
                # From no income to the top of the axis, the base inside.
                self.assertEqual(rows[0][0], 0)
                self.assertEqual(rows[-1][0], drawn['xTicks'][-1][0])
                self.assertLessEqual(cents(self.value('txtBase')), rows[-1][0])
                for row, net_at, tax_at in zip(rows, drawn['net'], drawn['tax']):
                    with self.subTest(income=text(row[0])):
                        self.assertEqual(tuple(row[1:]), cli_figures(tables, period, row[0],
                                                                     subsidy_sum))
                        self.assertAlmostEqual(net_at[0], x(row[0]), delta=PLACE)
                        self.assertAlmostEqual(tax_at[0], x(row[0]), delta=PLACE)
                        self.assertAlmostEqual(net_at[1], y(row[3]), delta=PLACE)
                        self.assertAlmostEqual(tax_at[1], y(row[1]), delta=PLACE)
                if period == 'Anual':
                    continue
                # Every subsidy step inside the range, down to the last, where it ends.
                steps = [(a, b) for a, b in zip(rows, rows[1:]) if a[2] != b[2]]
                self.assertTrue(steps)
                self.assertTrue(all(b[0] - a[0] == 1 for a, b in steps), 'steps are one cent')
                self.assertEqual(steps[-1][1][2], 0, 'the last step is in the range')

    def test_the_monthly_subsidy_ends_in_an_upright_drop_of_217_60(self):
        self.calculate('programa', 'Mensual', '7000', None)
        drawn = self.drawn()
        y = scale(drawn['yTicks'])
        incomes = [row[0] for row in drawn['rows']]
        i = incomes.index('7,382.33')
        self.assertEqual(incomes[i + 1], '7,382.34')
        before, after = drawn['rows'][i], drawn['rows'][i + 1]
        self.assertEqual(cents(before[3]) - cents(after[3]), 21760)
        (x0, y0), (x1, y1) = drawn['net'][i], drawn['net'][i + 1]
        self.assertLess(abs(x1 - x0), 0.2, 'upright')
        self.assertAlmostEqual(y1 - y0, y(0) - y(21760), delta=2 * PLACE)

    def paste_and_calculate(self, base):
        self.driver.execute_script('''
            const input = document.getElementById('txtBase');
            input.focus();
            input.value = arguments[0];
            input.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste'}));''', base)
        self.element('cmdCalc').click()
        self.assertEqual(cents(self.value('txtBase')), cents(base))

    def test_marks_follow_the_base_and_the_gross_up(self):
        # (what is done, the base marked, the target net marked)
        steps = [
            (lambda: self.calculate('programa', 'Mensual', '3000', None), '3,000.00', None),
            (lambda: self.calculate('programa', 'Mensual', '7000', None, 'txtNetoBuscado',
                                    'cmdNeto'), '7,373.79', '7,000.00'),
            (lambda: self.choose('cmbTarifa', 'Quincenal'), '7,373.79', '7,000.00'),
            (lambda: self.calculate('programa', 'Mensual', '12000', None), '12,000.00', None),
            # Beyond the tables: the boxes stay, and so does the base; no target is marked.
            (lambda: self.calculate('programa', 'Mensual', '100000000', None, 'txtNetoBuscado',
                                    'cmdNeto'), '12,000.00', None),
            # Only a paste brings a base below zero: it lies left of the chart, unmarked.
            (lambda: self.paste_and_calculate('-5'), None, None),
        ]
        for act, base, target in steps:
            with self.subTest(base=base, target=target):
                act()
                drawn = self.drawn()
                if base is None:
                    self.assertIsNone(drawn['base'])
                else:
                    self.assertAlmostEqual(drawn['base'], scale(drawn['xTicks'])(cents(base)),
                                           delta=PLACE)
                if target is None:
                    self.assertIsNone(drawn['target'])
                else:
                    self.assertAlmostEqual(drawn['target'],
                                           scale(drawn['yTicks'])(cents(target)), delta=PLACE)

    def test_the_range_widens(self):
        self.calculate('programa', 'Mensual', '3000', None)
        tops = []
        for widening in ['1×', '10×', '100×']:
            self.choose('cmbRango', widening)
            drawn = self.drawn()
            tops.append(drawn['xTicks'][-1][0])
            self.assertEqual(cents(drawn['rows'][-1][0]), tops[-1])
        # Out to a quarter past the monthly subsidy's last step, 7,382.34, times the widening.
        self.assertGreaterEqual(tops[0], 7_382_34 * 5 // 4)
        self.assertGreaterEqual(tops[1], 10 * 7_382_34 * 5 // 4)
        self.assertGreaterEqual(tops[2], 100 * 7_382_34 * 5 // 4)

    def reading(self):
        """The figures read out, and whether the slider says the same."""
        words = self.element('grafica-lectura').text
        self.assertEqual(self.element('grafica-lienzo').get_attribute('aria-valuetext'), words)
        match = re.fullmatch(r'Ingreso Gravable (\S+): Impuesto Determinado (\S+), '
                             r'Subsidio (\S+), Neto (\S+)\.', words)
        self.assertTrue(match, words)
        return [cents(figure) for figure in match.groups()]

    def test_keys_move_along_the_income_and_read_its_figures(self):
        self.calculate('anexo8', 'Mensual', '3000', None)
        drawn = self.drawn()
        top = drawn['xTicks'][-1][0]
        step = top // 100
        breaks = [cents(row[0]) for row in drawn['rows']]
        # The points where a row changes on either side of 30 steps.
        after = min(b for b in breaks if b > 30 * step)
        before = max(b for b in breaks if b < after)
        self.assertLess(before, 30 * step)
        keys = [
            # (key, the income it reaches)
            (Keys.HOME, 0), (Keys.ARROW_RIGHT, step), (Keys.ARROW_UP, 2 * step),
            (Keys.ARROW_LEFT, step), (Keys.ARROW_DOWN, 0), (Keys.ARROW_DOWN, 0),
            (Keys.END, top), (Keys.ARROW_RIGHT, top), (Keys.HOME, 0),
            *[(Keys.ARROW_RIGHT, i * step) for i in range(1, 31)],
            (Keys.PAGE_UP, after), (Keys.PAGE_DOWN, before), (Keys.PAGE_DOWN,
                                                              max(b for b in breaks if b < before)),
        ]
        self.driver.execute_script('document.getElementById("grafica-lienzo").focus()')
        self.assertEqual(self.reading()[0], 3_000_00, 'the keyboard starts at the base')
        slider = self.element('grafica-lienzo')
        for key, income in keys:
            with self.subTest(key=repr(key), income=text(income)):
                slider.send_keys(key)
                self.assertEqual(self.reading(),
                                 [income, *cli_figures('anexo8', 'Mensual', income, None)])

    def test_the_pointer_reads_where_it_is(self):
        self.calculate('programa', 'Mensual', '3000', None)
        drawn = self.drawn()
        x = scale(drawn['xTicks'])
        svg = self.element('grafica-svg')
        top = drawn['xTicks'][-1][0]
        pixel = top / (x(top) - x(0))  # cents a pixel
        for income in [5_000_00, 7_382_33]:
            with self.subTest(income=text(income)):
                ActionChains(self.driver).move_to_element_with_offset(
                    svg, round(x(income) - svg.size['width'] / 2), 0).perform()
                read = self.reading()
                self.assertLessEqual(abs(read[0] - income), pixel)
                self.assertEqual(read[1:], list(cli_figures('programa', 'Mensual', read[0],
                                                            None)))


if __name__ == '__main__':
    unittest.main()


def cli_days(tables, days, method, base):
    """The command line's period tax, period subsidy and net of a days-paid base, in cents, and
    the lower limits of the rows it used."""
    run = subprocess.run([os.environ['ISR_CLI'], '--json', '--tablas', tables, '--dias', days,
                          '--metodo', method, text(base)],
                         capture_output=True, text=True, check=True)
    cli = json.loads(run.stdout)
    figures = (cents(cli['isr_periodo']), cents(cli['subsidio_periodo']),
               base - cents(cli['procedimiento_2016']))
    rows = tuple(cli.get(group, {}).get('limite_inferior') for group in ['isr', 'subsidio'])
    return figures, rows


class DaysChart(PageTest):
    drawn = Chart.drawn

    def calculate_days(self, tables, days, method, base):
        self.choose('cmbTablas', tables)
        self.choose('cmbMetodo', method)
        for id, typed in [('txtDias', days), ('txtDiasBase', base)]:
            self.element(id).clear()
            self.element(id).send_keys(typed)
        self.element('cmdDias').click()

    def test_points_are_the_command_lines_days_paid(self):
        cases = [
            # (tables, days, method, base)
            ('anexo8', '15', 'mensual', '7500.05'),
            ('anexo8', '16', 'tabla', '2500'),
            ('programa', '7', 'tabla', '1850.50'),
            ('programa', '15.2', 'mensual', '30000'),
        ]
        for tables, days, method, base in cases:
            with self.subTest(tables=tables, days=days, method=method, base=base):
                self.setUp()
                self.calculate_days(tables, days, method, base)
                drawn = self.drawn()
                x, y = scale(drawn['xTicks']), scale(drawn['yTicks'])
                rows = [[cents(cell) for cell in row] for row in drawn['rows']]
                self.assertEqual(rows[0][0], 0)
                self.assertEqual(rows[-1][0], drawn['xTicks'][-1][0])
                self.assertAlmostEqual(drawn['base'], x(cents(base)), delta=PLACE)
                self.assertIn(f'{days} días pagados, método {method}, tablas {tables}',
                              self.element('grafica-pie').get_attribute('textContent'))
                used = []
                for row, net_at, tax_at in zip(rows, drawn['net'], drawn['tax'], strict=True):
                    with self.subTest(income=text(row[0])):
                        figures, rows_used = cli_days(tables, days, method, row[0])
                        self.assertEqual(tuple(row[1:]), figures)
                        self.assertAlmostEqual(net_at[1], y(row[3]), delta=PLACE)
                        self.assertAlmostEqual(tax_at[1], y(row[1]), delta=PLACE)
                        used.append((row[0], rows_used))
                # A point at each end of every stretch of shared rows, and the next stretch a
                # cent on: the halving found every change of row where it is.
                runs = [list(group) for _, group in itertools.groupby(used, lambda u: u[1])]
                self.assertEqual(len({run[0][1] for run in runs}), len(runs))
                self.assertTrue(all(len(run) <= 2 for run in runs))
                self.assertTrue(all(b[0][0] - a[-1][0] == 1 for a, b in zip(runs, runs[1:])))
                self.assertEqual(rows[-1][2], 0, 'every subsidy step is in the range')
                # Read out between the points, and at the base.
                for at in [cents(base), rows[1][0] + 37, rows[-1][0] * 2 // 3]:
                    reading = self.driver.execute_script(
                        'chartReadAt(arguments[0]); return chart.reading.texts;', at)
                    figures, _ = cli_days(tables, days, method, at)
                    self.assertEqual((cents(reading[0]), *map(cents, reading[1:])),
                                     (at, *figures))

    def test_the_period_takes_the_chart_back(self):
        self.calculate_days('anexo8', '15', 'tabla', '4165.56')
        self.drawn()
        self.choose('cmbTarifa', 'Semanal')
        drawn = self.drawn()
        self.assertIsNone(drawn['base'])
        caption = self.element('grafica-pie').get_attribute('textContent')
        self.assertIn('Semanal, tablas anexo8', caption)
        self.assertNotIn('días pagados', caption)
        # Tables without the days' own table take it back too.
        self.calculate_days('anexo8', '16', 'tabla', '2500')
        self.assertIn('16 días pagados', self.element('grafica-pie').get_attribute('textContent'))
        self.choose('cmbTablas', 'programa')
        self.assertNotIn('días pagados',
                         self.element('grafica-pie').get_attribute('textContent'))
