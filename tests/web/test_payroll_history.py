# SPDX-License-Identifier: MIT
"""The payroll card given a payment history: the header tells it, and the downloaded results are
byte for byte what isr2016-cli --ejercicio writes (ISR_CLI); the summary agrees with that output;
a history beyond what the page groups in memory is refused with a message that says so."""
import csv
import io
import os
import random
import subprocess
import unittest

from selenium.webdriver.support.wait import WebDriverWait

from browser import PayrollCardTest

CLI = os.environ['ISR_CLI']
RESULTS = ['a cargo', 'a favor', 'sin diferencia', 'no corresponde']


def money(rng, top):
    cents = rng.randint(0, top)
    text = f'{cents // 100}.{cents % 100:02d}'
    return f'"{cents // 100:,}.{cents % 100:02d}"' if rng.random() < 0.2 else text


def history(employees, draw, sep=',', end='\n', dates=True, bad=0):
    """A year of monthly or fortnightly payments per employee, some in the years around, in no
    order; subsidies given or left to the period (or the days); `bad` rows that can't be read."""
    rng = random.Random(draw)
    header = ['nota', 'empleado', 'fecha_pago', 'ingreso_gravable', 'isr_retenido',
              'subsidio_causado', 'periodo', 'dias', 'ingreso_exento']
    if dates:
        header += ['fecha_inicial_pago', 'fecha_final_pago']
    rows = []
    for e in range(employees):
        who = f'E{rng.randint(0, 10 * employees):05d}' if rng.random() < 0.9 else f'Ñ{e}'
        year = rng.choice([2016, 2016, 2016, 2015, 2017])
        fortnightly = rng.random() < 0.4
        first = rng.choice([1, 1, 1, 3])
        last = rng.choice([12, 12, 12, 10])
        for month in range(first, last + 1):
            for half in ([1, 2] if fortnightly else [0]):
                start, end_day = ((1, 15) if half == 1 else (16, 28)) if half else (1, 28)
                pay = money(rng, 1_500_000 if fortnightly else 3_000_000)
                subsidy = money(rng, 40_000) if rng.random() < 0.3 else ''
                days = '15' if fortnightly and rng.random() < 0.3 else ''
                period = '' if days else ('Quincenal' if fortnightly else 'Mensual')
                row = [rng.choice(['', 'x', '"a, b"']), who,
                       f'{year}-{month:02d}-{end_day:02d}', pay, money(rng, 500_000), subsidy,
                       period, days, money(rng, 100_000) if rng.random() < 0.1 else '']
                if dates:
                    row += [f'{year}-{month:02d}-{start:02d}', f'{year}-{month:02d}-{end_day:02d}']
                rows.append(sep.join(row))
    faults = [('E00001', '2016-13-01', '100'), ('E00002', '2016-05-31', '-5'),
              ('', '2016-05-31', '100'), ('E00003', '2013-05-31', '100')]
    for k in range(bad):
        who, paid, pay = faults[k % len(faults)]
        row = ['', who, paid, pay, '0', '', 'Mensual', '', '']
        rows.append(sep.join(row + (['', ''] if dates else [])))
    rng.shuffle(rows)
    return end.join([sep.join(header)] + rows) + end


class PayrollHistory(PayrollCardTest):
    def download(self):
        return self.saved('lnkNomina')[1]

    def cli(self, path, tables='programa'):
        out = os.path.join(self.folder, 'cli-ejercicio.csv')
        run = subprocess.run([CLI, '--ejercicio', '--tablas', tables, path, out],
                             capture_output=True)
        with open(out, 'rb') as written:
            return written.read(), run.stderr.decode('utf-8').splitlines()

    def shown(self, selector):
        return self.driver.execute_script(
            f'return [...document.querySelectorAll("{selector}")].map((e) => e.textContent);')

    def test_results_are_the_command_lines_file(self):
        for name, data, tables in [
                ('historial.csv', history(300, 1, bad=9), 'programa'),
                ('sin-periodos.csv', history(40, 2, dates=False), 'programa'),
                ('anexo8.csv', history(60, 3), 'anexo8'),
                ('windows.csv', b'\xef\xbb\xbf' + history(30, 4, sep=';', end='\r\n', bad=2)
                 .encode('utf-8'), 'programa')]:
            with self.subTest(name):
                path = self.write(name, data)
                self.assertEqual(self.run_payroll(path, tables), 'listo',
                                 self.element('lblNomina').text)
                expected, _ = self.cli(path, tables)
                self.assertIn(b'resultado', expected.split(b'\n')[0])
                saved = self.download()
                self.assertEqual(len(saved), len(expected))
                self.assertTrue(saved == expected, 'the same bytes as isr2016-cli --ejercicio')

    def test_summary_agrees_with_the_command_line(self):
        path = self.write('historial.csv', history(120, 5, bad=30))
        self.assertEqual(self.run_payroll(path), 'listo')
        expected, messages = self.cli(path)
        years = list(csv.DictReader(io.StringIO(expected.decode('utf-8'))))
        with open(path, encoding='utf-8') as read:
            payments = sum(1 for _ in csv.reader(read)) - 1
        self.assertEqual(self.element('txtNominaFilas').text, f'{payments:,}')
        self.assertEqual(self.element('txtNominaMalas').text,
                         str(sum(m.startswith('isr2016-cli: línea') for m in messages)))
        by_result = [sum(y['resultado'] == r for y in years) for r in RESULTS]
        errors = len(years) - sum(by_result)
        self.assertGreater(errors, 0)
        self.assertEqual(self.element('lstNominaTotales').get_attribute('aria-label'),
                         'Empleados y años por resultado')
        self.assertEqual(self.shown('#lstNominaTotales dd'),
                         [str(n) for n in [len(years)] + by_result + [errors]])
        self.assertEqual(self.shown('#lstNominaErrores li'),
                         [m.removeprefix('isr2016-cli: ') for m in messages][:20])
        # A payroll run after it names its figures as sums again.
        self.assertEqual(self.run_payroll(self.write('nomina.csv', 'periodo,ingreso_gravable\n'
                                                     'Mensual,100\n')), 'listo')
        self.assertEqual(self.element('lstNominaTotales').get_attribute('aria-label'),
                         'Sumas de las filas sin error')

    def test_a_history_beyond_the_pages_memory_is_refused(self):
        rows = ['empleado,fecha_pago,ingreso_gravable,isr_retenido,periodo']
        rows += [f'E{i % 5000},2016-{i % 12 + 1:02d}-28,100,0,Mensual' for i in range(400_000)]
        path = self.write('enorme.csv', '\n'.join(rows) + '\n')
        self.assertEqual(self.run_payroll(path), 'error')
        text = self.element('lblNomina').text
        self.assertIn('MiB que la página da a sus pagos', text)
        self.assertIn('isr2016-cli --ejercicio lo agrupa en disco', text)
        self.assertFalse(self.element('lnkNomina').is_displayed())
        heap = int(self.driver.execute_script('return document.body.dataset.nominaMemoria'))
        self.assertLessEqual(heap, 64 << 20)


if __name__ == '__main__':
    unittest.main()
