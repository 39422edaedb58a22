# SPDX-License-Identifier: MIT
"""The card "Aguinaldo, PTU y primas": its figures, captions and verdict against the command line
(ISR_CLI) on the same core, its fields under the entry rules of every amount field, the Sundays
only for the prima dominical, and the card in print, in both themes and at phone width."""
import json
import os
import subprocess
import unittest

from selenium.webdriver.common.by import By

from browser import PageTest
from test_page import RUN_AXE

CONCEPTS = {'aguinaldo': 'Aguinaldo', 'ptu': 'PTU', 'prima-vacacional': 'Prima vacacional',
            'prima-dominical': 'Prima dominical'}

CASES = [
    # (name, tables, concept, monthly income, payment, Sundays, minimum wage)
    ('worked example', 'programa', 'aguinaldo', '10000', '5000', None, None),
    ('ptu above its cap', 'programa', 'ptu', '15000', '20000', None, None),
    ('prima dominical, no Sunday', 'programa', 'prima-dominical', '8000', '500', '0', None),
    ('prima dominical, 3 Sundays', 'programa', 'prima-dominical', '8000', '900', '3', None),
    ('prima vacacional below its cap', 'programa', 'prima-vacacional', '9000', '1000', None,
     None),
    ('another minimum wage', 'programa', 'prima-vacacional', '12000', '3000', None, '80.04'),
    ('a cent taxed, M is 0.00', 'programa', 'aguinaldo', '5000', '2191.21', None, None),
    ('anexo8 tables', 'anexo8', 'aguinaldo', '25000', '12000', None, None),
    ('anexo8, income in the top row', 'anexo8', 'ptu', '300000', '50000', None, '70.10'),
]


def cli(tables, concept, income, payment, sundays, wage, json_output):
    args = [os.environ['ISR_CLI'], '--tablas', tables, '--pago', concept, income, payment]
    args += [sundays] if sundays is not None else []
    args += ['--salario-minimo', wage] if wage is not None else []
    args += ['--json'] if json_output else []
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def cli_problem(concept, income, payment, wage):
    """What the command line says is wrong with --pago's arguments, without the field's name or
    the quoted value: "no puede ser negativo"."""
    args = [os.environ['ISR_CLI'], '--pago', concept, income, payment, '--salario-minimo', wage]
    result = subprocess.run(args, capture_output=True, text=True, check=False)
    first = result.stderr.split('\n')[0]
    words = first.removeprefix('isr2016-cli: ').split(' ', 1)[1]
    return words[:words.rindex(': "')]


def text_groups(text):
    """The command line's text output as {heading: [(caption, value), ...]} and its verdict."""
    blocks = text.strip().split('\n\n')
    groups = {}
    for block in blocks[1:-1]:
        heading, *lines = block.split('\n')
        groups[heading] = [tuple(line.rsplit(None, 1)) for line in lines]
    return groups, blocks[-1].split('\n')[0]


class PaymentCard(PageTest):
    def type_into(self, id, text):
        self.element(id).click()
        self.element(id).send_keys(text)

    def calculate_payment(self, tables, concept, income, payment, sundays=None, wage=None):
        self.choose('cmbTablas', tables)
        self.choose('cmbConcepto', CONCEPTS[concept])
        self.type_into('txtIngresoMensual', income)
        self.type_into('txtImporte', payment)
        if sundays is not None:
            self.choose('cmbDomingos', sundays)
        if wage is not None:
            self.type_into('txtSalarioMinimo', wage)
        self.element('cmdPago').click()

    def card_groups(self):
        """The card's figures as {legend: [(caption, value), ...]}."""
        return self.driver.execute_script('''
            return Object.fromEntries([...document.querySelectorAll('#pago fieldset')].map((f) =>
              [f.querySelector('legend').textContent,
               [...f.querySelectorAll('input')].map((i) => [i.labels[0].textContent, i.value])]));
        ''')

    def test_figures_are_the_command_lines(self):
        for name, tables, concept, income, payment, sundays, wage in CASES:
            with self.subTest(name):
                self.setUp()
                self.calculate_payment(tables, concept, income, payment, sundays, wage)
                figures = json.loads(cli(tables, concept, income, payment, sundays, wage, True))
                for key, value in figures.items():
                    if key in ('art174', 'art96'):
                        for inner, text in value.items():
                            self.assertEqual(self.value(f'pago-{key}-{inner}'), text, inner)
                    elif key in ('tope_exento', 'exento', 'gravado'):
                        self.assertEqual(self.value(f'pago-{key}'), value, key)
                groups, verdict = text_groups(
                    cli(tables, concept, income, payment, sundays, wage, False))
                self.assertEqual({k: [tuple(p) for p in v] for k, v in self.card_groups().items()},
                                 groups)
                self.assertEqual(self.element('lblPagoMenor').text, verdict)
                self.assertEqual(self.element('lblPago').text, '')
                self.assertEqual(self.element('lblPagoTablas').text, f'Tablas: {tables}')
                self.assertEqual(self.element('anuncio').get_property('textContent'), verdict)

    def test_refused_inputs_name_the_field_and_show_no_figure(self):
        self.calculate_payment('programa', 'aguinaldo', '10000', '5000')
        self.assertNotEqual(self.value('pago-art174-retencion'), '')
        typed = {'txtIngresoMensual': '10000', 'txtImporte': '5000', 'txtSalarioMinimo': '73.04'}
        for field, text, pasted, caption in [
                ('txtImporte', '99999999999', False,
                 'Importe: lleva el ingreso más la parte gravada'),
                ('txtIngresoMensual', '100000000', False, 'Ingreso Mensual Ordinario: más allá'),
                ('txtSalarioMinimo', '0', False, 'Salario Mínimo Diario: fuera de rango'),
                # A minus only arrives by a paste, which the change rule lets stand.
                ('txtImporte', '-5', True, 'Importe: no puede ser negativo')]:
            with self.subTest(field=field, text=text):
                if pasted:
                    self.driver.execute_script(
                        'const e = document.getElementById(arguments[0]); e.value = arguments[1];'
                        'e.dispatchEvent(new InputEvent("input", {inputType: "insertFromPaste"}));',
                        field, text)
                else:
                    self.type_into(field, text)
                self.element('cmdPago').click()
                message = self.element('lblPago').text
                self.assertTrue(message.startswith(caption), message)
                # The command line's words, after the field's caption.
                inputs = {**typed, field: text}
                words = cli_problem('aguinaldo', inputs['txtIngresoMensual'],
                                    inputs['txtImporte'], inputs['txtSalarioMinimo'])
                self.assertEqual(message, f'{caption.split(":")[0]}: {words}.')
                self.assertEqual(self.element('anuncio').get_property('textContent'), message)
                boxes = self.driver.execute_script(
                    'return [...document.querySelectorAll("#pago fieldset input")]'
                    '.map((i) => i.value);')
                self.assertEqual(set(boxes), {''})
                self.assertEqual(self.element('lblPagoMenor').text, '')
                self.type_into(field, typed[field])

    def test_sundays_count_only_for_the_prima_dominical(self):
        for concept, caption in CONCEPTS.items():
            with self.subTest(concept):
                self.choose('cmbConcepto', caption)
                enabled = concept == 'prima-dominical'
                self.assertEqual(self.element('cmbDomingos').is_enabled(), enabled)
                self.assertEqual('disabled' in self.element('lblDomingos').get_attribute('class'),
                                 not enabled)
        # Sundays chosen and left for another concept are not counted.
        self.choose('cmbConcepto', 'Prima dominical')
        self.choose('cmbDomingos', '5')
        self.choose('cmbConcepto', 'Aguinaldo')
        self.type_into('txtImporte', '1000')
        self.element('cmdPago').click()
        self.assertEqual(self.element('lblPago').text, '')
        self.assertEqual(self.value('pago-tope_exento'), '2,191.20')

    def test_fields_follow_the_amount_rules(self):
        # Each keystroke sequence leaves the card's fields as it leaves the calculation's own,
        # from the same text.
        for keys in ['12a3', '1.2.3', '.5', '0007', '12-3e4', '1234.567']:
            with self.subTest(keys=keys):
                self.setUp()
                seen = []
                for id in ['txtBase', 'txtIngresoMensual', 'txtImporte', 'txtSalarioMinimo']:
                    self.type_into(id, '73.04')
                    self.element('lblPago-titulo').click()
                    self.type_into(id, keys)
                    typed = self.value(id)
                    self.element('lblPago-titulo').click()
                    seen.append((typed, self.value(id)))
                self.assertEqual(seen[1:], [seen[0]] * 3)
                self.assertNotIn('a', seen[0][0])

    def test_print_includes_the_card_once_used(self):
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
        self.addCleanup(self.driver.execute_cdp_cmd, 'Emulation.setEmulatedMedia', {})
        self.assertFalse(self.element('pago').is_displayed())
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {})
        self.calculate_payment('programa', 'aguinaldo', '10000', '5000')
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
        shown = [self.element(id).is_displayed()
                 for id in ['pago', 'pago-art174-retencion', 'lblPagoMenor', 'pago-fecha',
                            'cmdPago']]
        self.assertEqual(shown, [True, True, True, True, False])
        self.assertRegex(self.element('pago-fecha').text, r'\b20\d\d\b')

    def test_used_card_in_both_themes_and_at_phone_width(self):
        with open(os.environ['ISR_AXE'], encoding='utf-8') as axe:
            self.driver.execute_script(axe.read())
        self.calculate_payment('programa', 'prima-dominical', '10000', '5000', '3')
        for theme in ['light', 'dark']:
            with self.subTest(theme=theme):
                self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
                    'features': [{'name': 'prefers-color-scheme', 'value': theme}]})
                self.addCleanup(self.driver.execute_cdp_cmd, 'Emulation.setEmulatedMedia', {})
                self.assertEqual(self.driver.execute_async_script(RUN_AXE), [])
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 320, 'height': 740, 'deviceScaleFactor': 2, 'mobile': False})
        self.addCleanup(self.driver.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        beyond = self.driver.execute_script('''
            return [...document.querySelectorAll('#pago *')]
              .filter((e) => e.checkVisibility())
              .filter((e) => e.getBoundingClientRect().right > innerWidth
                             || e.getBoundingClientRect().left < 0)
              .map((e) => e.id || e.tagName);''')
        self.assertEqual(beyond, [])
        rows = self.driver.find_elements(By.CSS_SELECTOR, '#pago .fila')
        for row in rows:
            caption = row.find_element(By.TAG_NAME, 'label').rect
            field = row.find_element(By.CSS_SELECTOR, 'input, select').rect
            self.assertLessEqual(caption['y'] + caption['height'], field['y'] + 0.5)


if __name__ == '__main__':
    unittest.main()
