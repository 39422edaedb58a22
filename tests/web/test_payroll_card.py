# SPDX-License-Identifier: MIT
"""The card "Nómina completa (CSV)": the downloaded results are byte for byte what isr2016-cli
--csv writes (ISR_CLI), in every layout; the summary's counts, sums and first messages agree with
that output; unusable files get a message; Cancelar stops a run; nothing is fetched; the heap stays
bounded."""
import csv
import io
import os
import random
import subprocess
import time
import unittest

from selenium.webdriver.support.wait import WebDriverWait

from browser import PayrollCardTest
from test_page import RUN_AXE

CLI = os.environ['ISR_CLI']
PERIODS = ['Mensual', 'Anual', 'Semanal', 'Decenal', 'Catorcenal', 'Quincenal']
CONCEPTS = ['aguinaldo', 'ptu', 'prima-vacacional', 'prima-dominical']


def amount(rng, top):
    """An amount as a clerk's program might write it: grouped and quoted, or plain."""
    cents = rng.randint(0, top)
    text = f'{cents // 100}.{cents % 100:02d}'
    return f'"{cents // 100:,}.{cents % 100:02d}"' if rng.random() < 0.3 else text


def incomes(rows, draw, amount_column='ingreso_gravable', bad=0):
    """A payroll of incomes (or nets), the same for the same `draw`, with `bad` faulty rows."""
    rng = random.Random(draw)
    lines = [f'num,periodo,{amount_column},suma_subsidio,nombre']
    for i in range(rows):
        period = rng.choice(PERIODS)
        subsidy = amount(rng, 600000) if period == 'Anual' and rng.random() < 0.5 else ''
        lines.append(f'{i},{period},{amount(rng, 6000000)},{subsidy},"Empleado, {i}"')
    faults = ['Bimestral,100,', 'Mensual,abc,', 'Mensual,-5,', 'Semanal,99999999,',
              'Mensual,1"00,', 'Mensual,100', 'Anual,100,-1']
    for k in range(bad):
        at = rng.randint(1, len(lines) - 1)
        lines.insert(at, f'x{k},{faults[k % len(faults)]},sin nombre')
    return '\n'.join(lines) + '\n'


def payments(rows, draw):
    rng = random.Random(draw)
    lines = ['concepto,ingreso_mensual,importe,domingos']
    for _ in range(rows):
        concept = rng.choice(CONCEPTS)
        sundays = str(rng.randint(0, 52)) if concept == 'prima-dominical' else ''
        lines.append(f'{concept},{amount(rng, 5000000)},{amount(rng, 3000000)},{sundays}')
    lines.append('bono,1000,100,')
    return '\n'.join(lines) + '\n'


def cents(text):
    """ "-1,234.56" as integer cents; "0" and "" are none."""
    digits = text.replace(',', '').replace('"', '')
    if not digits:
        return 0
    negative = digits.startswith('-')
    whole, _, fraction = digits.lstrip('-').partition('.')
    value = int(whole) * 100 + int((fraction + '00')[:2])
    return -value if negative else value


def grouped(count):
    sign = '-' if count < 0 else ''
    return f'{sign}{abs(count) // 100:,}.{abs(count) % 100:02d}'


class PayrollCard(PayrollCardTest):
    def download(self):
        return self.saved('lnkNomina')

    def cli(self, path, tables='programa'):
        out = os.path.join(self.folder, 'cli-resultados.csv')
        run = subprocess.run([CLI, '--csv', '--tablas', tables, path, out], capture_output=True)
        with open(out, 'rb') as written:
            return written.read(), run.stderr.decode('utf-8').splitlines()

    def test_results_are_the_command_lines_file(self):
        crlf = incomes(300, 5, bad=4).replace('\n', '\r\n')
        for name, data, tables in [
                ('nomina.csv', incomes(100_000, 1), 'programa'),
                ('con-errores.csv', incomes(2_000, 2, bad=40), 'programa'),
                ('netos.csv', incomes(3_000, 3, amount_column='neto'), 'programa'),
                ('anexo8.CSV', incomes(20_000, 4), 'anexo8'),
                ('windows.csv', b'\xef\xbb\xbf' + crlf.encode('utf-8'), 'programa'),
                ('pagos.csv', payments(3_000, 6), 'anexo8')]:
            with self.subTest(name):
                path = self.write(name, data)
                self.assertEqual(self.run_payroll(path, tables), 'listo',
                                 self.element('lblNomina').text)
                self.assertEqual(self.element('lblNominaTablas').text,
                                 self.element('lblTablas').text)
                saved_name, saved = self.download()
                self.assertEqual(saved_name, os.path.splitext(name)[0] + '-resultados.csv')
                expected, _ = self.cli(path, tables)
                self.assertEqual(len(saved), len(expected))
                self.assertTrue(saved == expected, 'the same bytes as isr2016-cli --csv')

    def test_summary_counts_sums_and_first_messages(self):
        for name, data, columns in [
                ('errores.csv', incomes(500, 7, bad=30),
                 ['isr_impuesto_determinado', 'subsidio', 'procedimiento_2016', 'isr_a_retener',
                  'subsidio_a_entregar']),
                ('netos.csv', incomes(500, 8, amount_column='neto', bad=3),
                 ['isr_impuesto_determinado', 'subsidio', 'procedimiento_2016', 'isr_a_retener',
                  'subsidio_a_entregar']),
                ('pagos.csv', payments(500, 9), ['art174_retencion', 'art96_retencion'])]:
            with self.subTest(name):
                path = self.write(name, data)
                self.run_payroll(path)
                expected, messages = self.cli(path)
                rows = list(csv.DictReader(io.StringIO(expected.decode('utf-8'))))
                good = [r for r in rows if r['error'] == '']
                self.assertEqual(self.element('txtNominaFilas').text, f'{len(rows):,}')
                self.assertEqual(self.element('txtNominaMalas').text,
                                 f'{len(rows) - len(good):,}')
                figures = [grouped(sum(cents(r[c]) for r in good)) for c in columns]
                shown = self.driver.execute_script(
                    'return [...document.querySelectorAll("#lstNominaTotales dd")]'
                    '.map((e) => e.textContent);')
                self.assertEqual(shown, figures)
                listed = self.driver.execute_script(
                    'return [...document.querySelectorAll("#lstNominaErrores li")]'
                    '.map((e) => e.textContent);')
                self.assertEqual(listed, [m.removeprefix('isr2016-cli: ') for m in messages][:20])

    def drop(self, path, remove_first=False):
        """The file dropped on the card, as a file manager drops it; removed from the disk
        before the drop, when asked, so that the page cannot read it."""
        self.driver.execute_script(
            'const i = document.createElement("input"); i.type = "file"; i.id = "prueba";'
            'i.hidden = true; document.body.append(i);')
        self.element('prueba').send_keys(path)
        if remove_first:
            os.remove(path)
        self.driver.execute_script(
            'const t = new DataTransfer(); t.items.add(document.getElementById("prueba").files[0]);'
            'document.getElementById("zonaNomina").dispatchEvent(new DragEvent("drop",'
            '  {dataTransfer: t, bubbles: true, cancelable: true}));')
        WebDriverWait(self.driver, 30, 0.05).until(lambda d: self.state() != 'trabajando')
        return self.state()

    def test_unusable_files_get_a_message_and_no_results(self):
        for name, data, unreadable, words in [
                ('vacia.csv', '', False, 'la entrada está vacía'),
                ('sin-periodo.csv', 'ingreso_gravable\n100\n', False, 'falta la columna "periodo"'),
                ('mezcla.csv', 'periodo,neto,ingreso_gravable\n', False, 'no ambos'),
                ('borrada.csv', incomes(10, 10), True, 'no se pudo leer la entrada')]:
            with self.subTest(name):
                self.setUp()
                self.assertEqual(self.drop(self.write(name, data), unreadable), 'error')
                self.assertIn(words, self.element('lblNomina').text)
                self.assertFalse(self.element('lnkNomina').is_displayed())
                self.assertFalse(self.element('cmdCancelarNomina').is_enabled())
        # A readable file dropped on the card runs as a chosen one does.
        self.setUp()
        self.assertEqual(self.drop(self.write('soltada.csv', incomes(10, 11))), 'listo')

    def test_cancel_stops_the_run_and_a_new_one_works(self):
        big = self.write('grande.csv', incomes(1_000_000, 12))
        self.element('archivoNomina').send_keys(big)
        self.assertEqual(self.state(), 'trabajando')
        self.assertTrue(self.element('cmdCancelarNomina').is_enabled())
        self.element('cmdCancelarNomina').click()
        self.assertEqual(self.state(), 'cancelado')
        time.sleep(0.5)  # a worker that went on would still send its results
        self.assertEqual(self.state(), 'cancelado')
        self.assertFalse(self.element('lnkNomina').is_displayed())
        self.assertFalse(self.element('cmdCancelarNomina').is_enabled())
        self.assertEqual(self.run_payroll(self.write('despues.csv', incomes(50, 13))), 'listo')
        self.assertEqual(self.element('txtNominaFilas').text, '50')

    def test_nothing_is_fetched_and_the_card_is_accessible(self):
        with open(os.environ['ISR_AXE'], encoding='utf-8') as axe:
            self.driver.execute_script(axe.read())
        self.run_payroll(self.write('nomina.csv', incomes(100, 14, bad=2)))
        self.download()
        self.assertEqual(self.driver.execute_script(
            'return performance.getEntriesByType("resource").map((r) => r.name)'), [])
        self.assertEqual(self.driver.execute_async_script(RUN_AXE), [])

    def test_the_heap_stays_bounded_whatever_the_rows_hold(self):
        hostile = ('periodo,ingreso_gravable,nota\n' +
                   ''.join(f'Mensual,100,"{"x" * 3_000_000}"\n' for _ in range(3)) +
                   ',' * 200_000 + '\n' + 'Mensual,' + '9' * 2_000_000 + ',a\n' +
                   ''.join(f'Mensual,{i},{"y" * 500_000}\n' for i in range(20)))
        path = self.write('hostil.csv', hostile)
        self.assertEqual(self.run_payroll(path), 'listo')
        heap = int(self.driver.execute_script('return document.body.dataset.nominaMemoria'))
        self.assertLessEqual(heap, 64 << 20)
        self.assertTrue(self.download()[1] == self.cli(path)[0])


if __name__ == '__main__':
    unittest.main()
