# SPDX-License-Identifier: MIT
"""Calculations through the page: worked examples, the table sets and their listing, and random
inputs against the command line (ISR_CLI) on the same core."""
import json
import os
import random
import subprocess
import unittest

from browser import RESULT_BOXES, PageTest

# Figures worked out by hand from the 2016 tables.
WORKED = [
    # (tables, period, base, subsidy sum, the nine boxes in the page's order)
    ('programa', 'Mensual', '0', None, ['0', '0', '0', '0', '0.00', '0', '0', '0', '0.00']),
    ('programa', 'Mensual', '3000', None, ['496.08', '2,503.92', '6.40', '9.52', '169.77',
                                           '2,653.39', '3,472.84', '406.62', '-236.85']),
    ('programa', 'Mensual', '10000', None, ['8,601.51', '1,398.49', '17.92', '786.54',
                                            '1,037.15', '7,382.34', '99,999,999.99', '0.00',
                                            '1,037.15']),
    ('programa', 'Anual', '100000', '1200', ['88,793.05', '11,206.95', '16.00', '7,130.48',
                                             '8,923.59', '0', '0', '0', '7,723.59']),
    ('anexo8', 'Quincenal', '35000', None, ['30,838.81', '4,161.19', '32.00', '7,436.25',
                                            '8,767.83', '3,642.61', '9,999,999.99', '0.00',
                                            '8,767.83']),
]


# Targets of the gross-up with their bases, worked out by hand on the program's tables.
GROSS_UPS = [
    # (period, target net, subsidy sum, base, net, exact, the nine boxes)
    ('Mensual', '7000', None, '7,373.79', '7,000.00', 'sí',
     ['4,210.42', '3,163.37', '10.88', '247.23', '591.40', '7,113.91', '7,382.33', '217.61',
      '373.79']),
    ('Mensual', '0.01', None, '0.01', '407.03', 'no',
     ['0.01', '0.00', '1.92', '0.00', '0.00', '0.01', '1,768.96', '407.02', '-407.02']),
    ('Anual', '1200.01', '1200', '0.01', '1,200.01', 'sí',
     ['0.01', '0.00', '1.92', '0.00', '0.00', '0', '0', '0', '-1,200.00']),
]


class Calculations(PageTest):
    def test_worked_examples(self):
        for tables, period, base, subsidy_sum, boxes in WORKED:
            with self.subTest(tables=tables, period=period, base=base):
                self.setUp()
                self.calculate(tables, period, base, subsidy_sum)
                self.assertEqual(self.boxes(), boxes)

    def test_gross_up_examples(self):
        for period, target, subsidy_sum, base, net, exact, boxes in GROSS_UPS:
            with self.subTest(period=period, target=target):
                self.setUp()
                self.calculate('programa', period, target, subsidy_sum, 'txtNetoBuscado',
                               'cmdNeto')
                # The income found shows in the card itself too, beside the net it leaves.
                self.assertEqual([self.value('txtBase'), self.value('txtNetoIngreso'),
                                  self.value('txtNeto'), self.value('txtExacto'),
                                  self.element('lblNeto').text],
                                 [base, base, net, exact, ''])
                self.assertEqual(self.boxes(), boxes)

    def test_a_net_beyond_the_tables_changes_no_box(self):
        period, target, _, base, _, _, boxes = GROSS_UPS[0]
        self.calculate('programa', period, target, None, 'txtNetoBuscado', 'cmdNeto')
        self.calculate('programa', period, '100000000', None, 'txtNetoBuscado', 'cmdNeto')
        self.assertIn('más allá de las tablas', self.element('anuncio').get_attribute('textContent'))
        # The net reached and "exacto" belonged to the target before: they are emptied.
        self.assertEqual([self.value('txtBase'), self.value('txtNetoIngreso'),
                          self.value('txtNeto'), self.value('txtExacto')], [base, '', '', ''])
        self.assertEqual(self.boxes(), boxes)

    def test_results_are_announced(self):
        self.calculate('programa', 'Mensual', '3000', None)
        self.assertEqual(self.element('anuncio').get_attribute('aria-live'), 'polite')
        self.assertEqual(self.element('anuncio').get_attribute('textContent'),
                         'Impuesto Determinado: 169.77. Subsidio para el Empleo: 406.62. '
                         'Procedimiento 2016: -236.85.')

    def test_listing_follows_the_table_set(self):
        # The published tables first, by default; the program's own by name.
        self.element('lblBtn-1').click()
        listing = self.element('Text1').get_attribute('textContent')
        self.assertTrue(listing.startswith('Las Tarifas utilizadas son las publicadas'))
        self.assertEqual(self.element('lblTablas').text, listing.splitlines()[0])
        self.assertIn('    4,210.42\t    7,399.42\t    247.24\t     10.88', listing)
        self.choose('cmbTablas', 'programa')
        listing = self.element('Text1').get_attribute('textContent')
        self.assertTrue(listing.startswith(
            'Las Tarifas utilizadas por el programa son las vigentes hasta el 2016.'))
        self.assertEqual(self.element('lblTablas').text, listing.splitlines()[0])
        self.assertIn('    4,210.42\t    7,399.42\t    247.23\t     10.88', listing)

    def test_changing_the_tables_leaves_no_figure_of_the_other_set(self):
        period, target, _, base, _, _, _ = GROSS_UPS[0]
        self.calculate('programa', period, target, None, 'txtNetoBuscado', 'cmdNeto')
        self.choose('cmbTablas', 'anexo8')
        self.assertEqual(self.boxes(), ['0'] * len(RESULT_BOXES))
        self.assertEqual([self.value(id) for id in ['txtNetoIngreso', 'txtNeto', 'txtExacto']],
                         ['', '', ''])
        self.assertEqual(self.value('txtBase'), base, 'the inputs stay as typed')

    def test_a_base_beyond_the_tariff_says_so_under_the_boxes(self):
        # No row, as in the window: the boxes show "0" and the procedure 0.00.
        self.calculate('anexo8', 'Semanal', '10000000', None)
        self.assertEqual(self.boxes(), ['0', '0', '0', '0', '0.00', '0', '0', '0', '0.00'])
        self.assertEqual(self.element('lblFueraDeTarifa').text,
                         'El Ingreso Gravable está más allá de la tarifa Semanal '
                         '(a lo sumo 9,999,999.99): ninguna fila lo abarca.')
        self.calculate('anexo8', 'Semanal', '9999999.99', None)
        self.assertEqual(self.element('lblFueraDeTarifa').text, '')


def random_inputs(rng, count):
    """Calculations and gross-ups (one in four) of every period and table set, with amounts of
    every size and up to three decimals (half cents)."""
    periods = ['Mensual', 'Anual', 'Semanal', 'Decenal', 'Catorcenal', 'Quincenal']
    for _ in range(count):
        def amount():
            whole = rng.randrange(10 ** rng.randrange(1, 8))
            decimals = rng.choice(['', '.' + str(rng.randrange(10)), '.%02d' % rng.randrange(100),
                                   '.%03d' % rng.randrange(1000)])
            return f'{whole}{decimals}'
        period = rng.choice(periods)
        yield (rng.random() < 0.25, rng.choice(['programa', 'anexo8']), period, amount(),
               amount() if period == 'Anual' else None)


# For each case, fills the inputs as a paste would and clicks the case's button, in one script.
CALCULATE_ALL = '''
const [cases, boxes] = arguments;
const byId = (id) => document.getElementById(id);
function choose(id, value) {
  byId(id).value = value;
  byId(id).dispatchEvent(new Event('change'));
}
function paste(id, text) {
  byId(id).focus();
  byId(id).value = text;
  byId(id).dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste'}));
}
return cases.map(([grossUp, tables, period, amount, sum]) => {
  choose('cmbTablas', tables);
  choose('cmbTarifa', period);
  paste(grossUp ? 'txtNetoBuscado' : 'txtBase', amount);
  if (sum !== null) paste('txtPagos', sum);
  byId(grossUp ? 'cmdNeto' : 'cmdCalc').click();
  const values = (ids) => ids.map((id) => byId(id).value);
  return {base: byId('txtBase').value, sum: byId('txtPagos').value, boxes: values(boxes),
          grossUp: values(['txtNetoBuscado', 'txtNeto', 'txtExacto']),
          message: byId('lblNeto').textContent};
});
'''


class AgreementWithTheCommandLine(PageTest):
    def test_random_calculations_match_isr2016_cli(self):
        stream = int(os.environ.get('ISR_RANDOM_STREAM', '2016'))
        cases = list(random_inputs(random.Random(stream), 300))
        shown = self.driver.execute_script(CALCULATE_ALL, cases, RESULT_BOXES)
        for (gross_up, tables, period, amount, subsidy_sum), page in zip(cases, shown):
            args = (['--neto'] if gross_up else []) + ['--tablas', tables, period, amount] + (
                [subsidy_sum] if subsidy_sum else [])
            with self.subTest(stream=stream, args=args):
                run = subprocess.run([os.environ['ISR_CLI'], '--json'] + args,
                                     capture_output=True, text=True)
                if gross_up and run.returncode == 2:
                    self.assertIn('más allá de las tablas', run.stderr)
                    self.assertIn('más allá de las tablas', page['message'])
                    continue
                self.assertEqual(run.returncode, 0, run.stderr)
                cli = json.loads(run.stdout)
                isr, subsidy = cli['isr'], cli['subsidio']
                self.assertEqual(page['base'], cli['ingreso_gravable'])
                if subsidy_sum:
                    self.assertEqual(page['sum'], cli['suma_subsidio'])
                if gross_up:
                    self.assertEqual(page['grossUp'], [cli['neto_buscado'], cli['neto'],
                                                       'sí' if cli['exacto'] else 'no'])
                self.assertEqual(page['boxes'], [
                    isr['limite_inferior'], isr['excedente'], isr['porcentaje'],
                    isr['cuota_fija'], isr['impuesto_determinado'], subsidy['limite_inferior'],
                    subsidy['limite_superior'], subsidy['subsidio'], cli['procedimiento_2016']])


if __name__ == '__main__':
    unittest.main()
