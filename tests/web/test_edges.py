# SPDX-License-Identifier: MIT
"""Values an attacker or a careless clerk would try on the page, a row per case: what is typed or
pasted and clicked, what the page shows after, and an empty console (browser.py), so that nothing
aborted inside WebAssembly. An amount beyond what an amount holds is refused by name or drawn as
nothing, never cut and calculated; the payroll card says its counts in good Spanish, names the
tables its results were made with, and writes them into a chosen file as they come."""
import json
import os
import subprocess
import tempfile
import unittest

from selenium.webdriver.support.wait import WebDriverWait

from browser import PageTest
from test_chart import DRAWN
from test_payroll_card import incomes

CLI = os.environ['ISR_CLI']
BEYOND = '99999999999999999999'
LARGEST = '9999999999999999.99'
RANGE_NOTE = 'fuera de rango (a lo sumo 9,999,999,999,999,999.99)'


def cli_result(*args):
    run = subprocess.run([CLI, '--json', *args], capture_output=True, text=True, check=True)
    return json.loads(run.stdout)['procedimiento_2016']


class HostileValues(PageTest):
    def paste(self, id, text):
        """As a paste arrives: the only way a minus gets into an amount input."""
        self.driver.execute_script(
            'const e = document.getElementById(arguments[0]); e.focus(); e.value = arguments[1];'
            'e.dispatchEvent(new InputEvent("input", {inputType: "insertFromPaste"}));', id, text)

    def drawn(self):
        WebDriverWait(self.driver, 5).until(lambda d: d.execute_script('return !chart.pending'))
        return self.driver.execute_script(DRAWN)

    def test_amounts_beyond_the_range_are_refused_or_left_undrawn(self):
        rows = [
            # (case, what is done, {element: the text it shows}, the chart's net line drawn)
            ('Anual, the largest subsidy sum, income 100: a result, and no net to draw',
             lambda: self.calculate('programa', 'Anual', '100', LARGEST),
             {'txtRet08-0': cli_result('anual', '100', LARGEST)}, False),
            ('Anual, that sum pasted negative: the result is past any amount, no figure',
             lambda: (self.choose('cmbTarifa', 'Anual'), self.paste('txtPagos', '-' + LARGEST),
                      self.calculate('programa', 'Anual', '100', None)),
             {'txtRet08-0': '0', 'txtISR08-4': '1.92'}, False),
            ('Anual, an ordinary sum still draws its net',
             lambda: self.calculate('programa', 'Anual', '100000', '1200'),
             {'txtRet08-0': '7,723.59'}, True),
            ('a net beyond any amount, where the sum alone nets the largest',
             lambda: self.calculate('programa', 'Anual', BEYOND, LARGEST, 'txtNetoBuscado',
                                    'cmdNeto'),
             {'lblNeto': 'El neto buscado está fuera de rango: a lo sumo '
                         '9,999,999,999,999,999.99.', 'txtNeto': '', 'txtExacto': ''}, False),
            ('the largest net itself is met by no income',
             lambda: self.calculate('programa', 'Anual', LARGEST, LARGEST, 'txtNetoBuscado',
                                    'cmdNeto'),
             {'txtBase': '0.00', 'txtNeto': '9,999,999,999,999,999.99', 'txtExacto': 'sí'},
             False),
            ('a net sought with a negative sum pasted finds no income',
             lambda: (self.choose('cmbTarifa', 'Anual'), self.paste('txtPagos', '-' + LARGEST),
                      self.calculate('programa', 'Anual', '1000', None, 'txtNetoBuscado',
                                     'cmdNeto')),
             {'lblNeto': 'El neto buscado está más allá de las tablas: ningún ingreso lo '
                         'alcanza.', 'txtNeto': ''}, False),
        ]
        for case, do, shown, net_drawn in rows:
            with self.subTest(case):
                self.setUp()
                do()
                for id, text in shown.items():
                    self.assertEqual(self.value(id) if id.startswith('txt') else
                                     self.element(id).text, text, id)
                self.assertEqual(bool(self.drawn()['net']), net_drawn)
                self.tearDown()

    def test_the_chart_takes_any_number_its_script_hands_over(self):
        self.calculate('programa', 'Anual', '100', LARGEST)
        for call in ['_isr_chart_draw(2147483647)', '_isr_chart_draw(-2147483648)',
                     '_isr_chart_calculated(1, 2147483647)', '_isr_chart_at(1e300)',
                     '_isr_chart_at(-1)', '_isr_chart_at(NaN)']:
            with self.subTest(call):
                self.driver.execute_script(call)
        self.paste('txtNetoBuscado', '-' + LARGEST)
        self.element('cmdNeto').click()
        self.drawn()

    def test_payments_beyond_the_range_are_refused_by_name(self):
        rows = [
            # (case, income, payment, Sundays, minimum wage, the card's message)
            ('a payment beyond any amount, all exempt under the largest wage',
             '0', BEYOND, '53', '188679245283018.86', 'Importe: ' + RANGE_NOTE + '.'),
            ('the income is named first when it is at fault', BEYOND, BEYOND, '53', None,
             'Ingreso Mensual Ordinario: más allá de la tarifa mensual'),
            ('a minimum wage beyond any amount', '0', '1000', '0', BEYOND,
             'Salario Mínimo Diario: fuera de rango'),
        ]
        for case, income, payment, sundays, wage, message in rows:
            with self.subTest(case):
                self.setUp()
                self.choose('cmbConcepto', 'Prima dominical')
                for id, text in [('txtIngresoMensual', income), ('txtImporte', payment),
                                 ('txtSalarioMinimo', wage)]:
                    if text is not None:
                        self.element(id).click()
                        self.element(id).send_keys(text)
                self.choose('cmbDomingos', sundays)
                self.element('cmdPago').click()
                self.assertTrue(self.element('lblPago').text.startswith(message),
                                self.element('lblPago').text)
                self.assertEqual(self.value('pago-art174-retencion'), '')
                self.assertEqual(self.element('lblPagoMenor').text, '')


class PayrollEdges(PageTest):
    def setUp(self):
        super().setUp()
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = folder.name

    def write(self, name, text):
        path = os.path.join(self.folder, name)
        with open(path, 'w', encoding='utf-8', newline='') as out:
            out.write(text)
        return path

    def state(self):
        return self.driver.execute_script('return document.body.dataset.nomina')

    def finish(self):
        WebDriverWait(self.driver, 120, 0.05).until(lambda d: self.state() != 'trabajando')
        return self.state()

    def title(self, tables):
        self.choose('cmbTablas', tables)
        return self.element('lblTablas').text

    def test_the_card_after_a_run(self):
        header = 'periodo,ingreso_gravable\n'
        rows = [
            # (case, the file, the card's outcome)
            ('one row, said singular', header + 'Mensual,100\n', 'Listo: 1 fila, bien.'),
            ('one bad row', header + 'Mensual,abc\n',
             'Listo: 1 fila; 1 con error, explicado en la columna error de los resultados.'),
            ('two rows, plural', header + 'Mensual,100\nMensual,200\n',
             'Listo: 2 filas, todas bien.'),
            ('a results file run again is refused, naming a column it would repeat',
             header.replace('\n', ',error\n') + 'Mensual,100,\n',
             'No se calculó la nómina: la columna "error" de la entrada se llama como una de '
             'los resultados: cámbiele el nombre (¿es ya un archivo de resultados?).'),
        ]
        for case, text, outcome in rows:
            with self.subTest(case):
                self.element('archivoNomina').send_keys(self.write('nomina.csv', text))
                self.finish()
                self.assertEqual(self.element('lblNomina').text, outcome)
                if self.state() == 'listo':
                    rows_done = self.element('txtNominaFilas').text
                    self.assertEqual(self.element('lblNominaAvance').text,
                                     rows_done + (' fila' if rows_done == '1' else ' filas'))

    def test_the_card_names_the_tables_its_results_were_made_with(self):
        anexo8, programa = self.title('anexo8'), self.title('programa')
        big = self.write('grande.csv', incomes(1_000_000, 21))
        self.choose('cmbTablas', 'anexo8')
        self.element('archivoNomina').send_keys(big)
        self.assertEqual(self.state(), 'trabajando')
        self.choose('cmbTablas', 'programa')  # while the run works
        self.assertEqual(self.element('lblNominaTablas').text, anexo8)
        self.assertEqual(self.finish(), 'listo')
        self.assertEqual(self.element('lblNominaTablas').text, anexo8)
        self.choose('cmbTablas', 'anexo8')
        self.choose('cmbTablas', 'programa')  # after it
        self.assertEqual(self.element('lblNominaTablas').text, anexo8)
        # A new run takes the list's set, and names it.
        self.element('archivoNomina').send_keys(self.write('otra.csv', incomes(10, 22)))
        self.finish()
        self.assertEqual(self.element('lblNominaTablas').text, programa)
        # Cancelled, the card holds no results: it names what the next run takes.
        self.element('archivoNomina').send_keys(big)
        self.element('cmdCancelarNomina').click()
        self.choose('cmbTablas', 'anexo8')
        self.assertEqual(self.element('lblNominaTablas').text, anexo8)

    # A file the browser lets the page write, as showSaveFilePicker hands it over, there before
    # the page's script runs: each write is recorded with the card's state at the time.
    SAVE_FILE = '''
    window.saved = {text: '', writes: 0, during: [], closed: false, aborted: false};
    const savedText = new TextDecoder();
    window.showSaveFilePicker = async () => ({name: 'resultados.csv', createWritable: async () => ({
      write: async (bytes) => {
        saved.text += savedText.decode(bytes, {stream: true});
        saved.writes += 1;
        saved.during.push(document.body.dataset.nomina);
      },
      close: async () => { saved.closed = true; },
      abort: async () => { saved.aborted = true; },
    })});
    '''

    def choose_a_file_to_write(self):
        added = self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                            {'source': self.SAVE_FILE})
        self.addCleanup(self.driver.execute_cdp_cmd, 'Page.removeScriptToEvaluateOnNewDocument',
                        {'identifier': added['identifier']})
        super().setUp()
        self.assertTrue(self.element('cmdDestinoNomina').is_displayed())
        self.element('cmdDestinoNomina').click()
        WebDriverWait(self.driver, 5).until(
            lambda d: self.element('lblDestinoNomina').is_displayed())

    def test_results_go_into_a_chosen_file_as_they_come(self):
        self.choose_a_file_to_write()
        path = self.write('nomina.csv', incomes(20_000, 23))
        self.element('archivoNomina').send_keys(path)
        self.assertEqual(self.finish(), 'listo')
        saved = self.driver.execute_script('return saved')
        run = subprocess.run([CLI, '--csv', path], capture_output=True, check=True)
        self.assertTrue(saved['text'] == run.stdout.decode('utf-8'),
                        'the file holds what isr2016-cli --csv writes')
        self.assertGreater(saved['writes'], 1)
        self.assertEqual(set(saved['during']), {'trabajando'}, 'written while it works')
        self.assertEqual([saved['closed'], saved['aborted']], [True, False])
        self.assertFalse(self.element('lnkNomina').is_displayed())
        self.assertEqual(self.element('lblDestinoNomina').text,
                         'Los resultados están en resultados.csv.')
        self.assertEqual(self.driver.execute_script('return payrollRun.parts.length'), 0)

    def test_a_cancelled_run_leaves_the_chosen_file_as_it_was(self):
        self.choose_a_file_to_write()
        self.element('archivoNomina').send_keys(self.write('grande.csv', incomes(1_000_000, 24)))
        self.element('cmdCancelarNomina').click()
        WebDriverWait(self.driver, 5).until(
            lambda d: d.execute_script('return saved.aborted'))
        self.assertFalse(self.driver.execute_script('return saved.closed'))


if __name__ == '__main__':
    unittest.main()
