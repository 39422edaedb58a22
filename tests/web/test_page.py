# SPDX-License-Identifier: MIT
"""The page as a whole: nothing fetched, no accessibility violations (axe-core, ISR_AXE) in either
theme, usable 320 and 360 px wide with every caption above its field, and a print of the record
on one page and the chart on the next."""
import base64
import os
import re
import unittest

from browser import RESULT_BOXES, PageTest

RUN_AXE = '''
const done = arguments[arguments.length - 1];
axe.run(document, {resultTypes: ['violations']})
  .then((results) => done(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`)));
'''


class WholePage(PageTest):
    def emulate(self, **media):
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', media)
        self.addCleanup(self.driver.execute_cdp_cmd, 'Emulation.setEmulatedMedia', {})

    def fill_in(self):
        """Every control in use: Anual, a base and a sum, a calculation, the listing open."""
        self.calculate('programa', 'Anual', '100000', '1200')
        self.element('lblBtn-1').click()

    def test_nothing_is_fetched(self):
        self.fill_in()
        self.assertEqual(self.driver.execute_script(
            'return performance.getEntriesByType("resource").map((r) => r.name)'), [])

    def test_axe_finds_no_violations_in_either_theme(self):
        with open(os.environ['ISR_AXE'], encoding='utf-8') as axe:
            self.driver.execute_script(axe.read())
        self.fill_in()
        backgrounds = set()
        for theme in ['light', 'dark']:
            with self.subTest(theme=theme):
                self.emulate(features=[{'name': 'prefers-color-scheme', 'value': theme}])
                backgrounds.add(self.element('frame-0').value_of_css_property('background-color'))
                self.assertEqual(self.driver.execute_async_script(RUN_AXE), [])
        self.assertEqual(len(backgrounds), 2, 'the theme follows the system')

    def test_phone_width_needs_no_sideways_scrolling(self):
        # With an overlay scroll bar (a phone's) and with a classic one that takes its width.
        for width, mobile in [(360, True), (320, True), (360, False), (320, False)]:
            with self.subTest(width=width, mobile=mobile):
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': 740, 'deviceScaleFactor': 2, 'mobile': mobile})
                self.addCleanup(self.driver.execute_cdp_cmd,
                                'Emulation.clearDeviceMetricsOverride', {})
                self.setUp()
                self.fill_in()
                beyond = self.driver.execute_script('''
                    return [...document.querySelectorAll('body *')]
                      .filter((e) => !e.closest('.solo-lectores') && e.checkVisibility())
                      .filter((e) => e.getBoundingClientRect().right > innerWidth
                                     || e.getBoundingClientRect().left < 0)
                      .map((e) => e.id || e.tagName);''')
                self.assertEqual(beyond, [])
                self.assertLessEqual(self.driver.execute_script(
                    'return document.documentElement.scrollWidth'), width)

    def test_phone_captions_stand_above_fields_and_boxes_line_up(self):
        for width, mobile in [(360, True), (320, True), (360, False), (320, False)]:
            with self.subTest(width=width, mobile=mobile):
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': 740, 'deviceScaleFactor': 2, 'mobile': mobile})
                self.addCleanup(self.driver.execute_cdp_cmd,
                                'Emulation.clearDeviceMetricsOverride', {})
                self.setUp()
                self.fill_in()
                # Each field with its caption: [caption's bottom, field's top, left, right].
                fields = self.driver.execute_script('''
                    return Object.fromEntries([...document.querySelectorAll('.fila')].map((row) => {
                      const field = row.querySelector('input, select');
                      const caption = row.querySelector('label').getBoundingClientRect();
                      const box = field.getBoundingClientRect();
                      return [field.id, [caption.bottom, box.top, box.left, box.right]];
                    }));''')
                for id, (caption_bottom, top, _, _) in fields.items():
                    self.assertLessEqual(caption_bottom, top + 0.5, f'{id}: caption above')
                left, right = fields['txtBase'][2:]
                for id in RESULT_BOXES[:-1] + ['txtPagos', 'txtNetoBuscado', 'txtNeto']:
                    self.assertAlmostEqual(fields[id][2], left, delta=0.5, msg=id)
                    self.assertAlmostEqual(fields[id][3], right, delta=0.5, msg=id)
                result = self.element('txtRet08-0').rect
                self.assertAlmostEqual(result['x'], left, delta=0.5)
                self.assertAlmostEqual(result['x'] + result['width'], right, delta=0.5)

    def test_print_is_a_one_page_record(self):
        self.fill_in()
        for last in ['cmdCalc', 'cmdNeto']:
            with self.subTest(last_click=last):
                self.element(last).click()
                self.emulate(media='print')
                shown = self.driver.execute_script('''
                    return ['cmbTarifa', 'txtBase', 'txtPagos', 'cmbTablas', 'txtRet08-0',
                            'fecha', 'grafica-svg', 'neto', 'cmdCalc', 'Text1', 'cmbRango'].map(
                      (id) => document.getElementById(id).checkVisibility());''')
                self.assertEqual(shown, [True] * 7 + [last == 'cmdNeto', False, False, False])
                self.assertRegex(self.element('fecha').text, r'\b20\d\d\b')
                pdf = base64.b64decode(self.driver.execute_cdp_cmd('Page.printToPDF', {})['data'])
                # The record on the first page, the chart on the second.
                self.assertEqual(len(re.findall(rb'/Type\s*/Page\b', pdf)), 2)
                self.assertEqual(self.element('grafica').value_of_css_property('break-before'),
                                 'page')
                self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {})

    def test_print_shows_the_subsidy_sum_only_for_anual(self):
        for period, shown in [('Anual', True), ('Mensual', False)]:
            with self.subTest(period=period):
                self.setUp()
                self.calculate('anexo8', 'Anual', '100000', '2400')
                self.choose('cmbTarifa', period)
                self.element('cmdCalc').click()
                self.emulate(media='print')
                self.assertEqual(self.driver.execute_script(
                    'return document.getElementById("txtPagos").checkVisibility()'), shown)
                self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {})


if __name__ == '__main__':
    unittest.main()
