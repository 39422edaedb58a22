# SPDX-License-Identifier: MIT
"""The card "Días pagados": each box and period figure is the text `isr2016-cli --json --dias N
--metodo METODO BASE` (ISR_CLI) gives for the same tables, days, method and base, and each bad
entry a message naming its field with no figure left."""
import json
import os
import subprocess

from browser import PageTest

CLI = os.environ['ISR_CLI']

BOXES = {
    'dias-isr-limite_inferior': ('isr', 'limite_inferior'),
    'dias-isr-excedente': ('isr', 'excedente'),
    'dias-isr-porcentaje': ('isr', 'porcentaje'),
    'dias-isr-cuota_fija': ('isr', 'cuota_fija'),
    'dias-isr-impuesto_determinado': ('isr', 'impuesto_determinado'),
    'dias-subsidio-limite_inferior': ('subsidio', 'limite_inferior'),
    'dias-subsidio-limite_superior': ('subsidio', 'limite_superior'),
    'dias-subsidio-subsidio': ('subsidio', 'subsidio'),
    'dias-ingreso_mensual': (None, 'ingreso_mensual'),
    'dias-isr_periodo': (None, 'isr_periodo'),
    'dias-subsidio_periodo': (None, 'subsidio_periodo'),
    'dias-procedimiento_2016': (None, 'procedimiento_2016'),
}


class DaysCard(PageTest):
    def enter(self, tables, days, method, base):
        self.choose('cmbTablas', tables)
        self.choose('cmbMetodo', method)
        for id, text in [('txtDias', days), ('txtDiasBase', base)]:
            self.element(id).clear()
            self.element(id).send_keys(text)
        self.element('cmdDias').click()

    def test_figures_are_the_command_lines(self):
        cases = [
            ('anexo8', '15', 'mensual', '7500.05'),   # a 2016 receipt: 1,054.75
            ('anexo8', '15', 'tabla', '4165.56'),     # a 2017 receipt: 375.58
            ('anexo8', '16', 'tabla', '2500'),        # the subsidy above the tax: -10.06
            ('anexo8', '15.2', 'mensual', '1000'),
            ('anexo8', '31', 'tabla', '250000'),
            ('programa', '7', 'tabla', '1850.5'),
            ('programa', '366', 'mensual', '0.07'),
        ]
        for tables, days, method, base in cases:
            with self.subTest(days=days, method=method, base=base):
                self.enter(tables, days, method, base)
                run = subprocess.run([CLI, '--json', '--tablas', tables, '--dias', days,
                                      '--metodo', method, base], capture_output=True, check=True)
                expected = json.loads(run.stdout)
                for id, (group, key) in BOXES.items():
                    want = (expected[group] if group else expected).get(key, '')
                    self.assertEqual(self.value(id), want, id)
                self.assertEqual(self.element('lblDias').text, '')
                self.assertEqual(self.element('lblDiasTablas').text, 'Tablas: ' + tables)

    def test_bad_entries_name_their_field_and_leave_no_figure(self):
        self.enter('anexo8', '15', 'tabla', '4165.56')
        cases = [
            ('anexo8', '15.5', 'tabla', '100', 'Días Pagados: con el método tabla'),
            ('anexo8', '0', 'mensual', '100', 'Días Pagados: con el método mensual'),
            ('anexo8', '-3', 'tabla', '100', 'Días Pagados: un número sin signo'),
            ('anexo8', '15.2001', 'mensual', '100', 'Días Pagados: un número sin signo'),
            ('programa', '16', 'tabla', '100', 'las tablas programa sólo tienen'),
            ('anexo8', '15', 'tabla', 'abc', 'Ingreso Gravable: escriba un importe'),
        ]
        for tables, days, method, base, message in cases:
            with self.subTest(message):
                self.enter(tables, days, method, base)
                self.assertIn(message, self.element('lblDias').text)
                for id in BOXES:
                    self.assertEqual(self.value(id), '', id)
