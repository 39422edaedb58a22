# SPDX-License-Identifier: MIT
"""The page as a whole: nothing fetched, no accessibility violations (axe-core, ISR_AXE) in either
theme, usable 360 px wide, and a print that fits one page."""
import base64
import os
import re
import unittest

from browser import PageTest

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
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 360, 'height': 740, 'deviceScaleFactor': 2, 'mobile': True})
        self.addCleanup(self.driver.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        self.setUp()
        self.fill_in()
        beyond = self.driver.execute_script('''
            return [...document.querySelectorAll('label, input, select, button, pre')]
              .filter((e) => e.getBoundingClientRect().right > innerWidth).map((e) => e.id);''')
        self.assertEqual(beyond, [])
        self.assertLessEqual(self.driver.execute_script(
            'return document.documentElement.scrollWidth'), 360)

    def test_print_is_a_one_page_record(self):
        self.fill_in()
        for last in ['cmdCalc', 'cmdNeto']:
            with self.subTest(last_click=last):
                self.element(last).click()
                self.emulate(media='print')
                shown = self.driver.execute_script('''
                    return ['cmbTarifa', 'txtBase', 'txtPagos', 'cmbTablas', 'txtRet08-0',
                            'fecha', 'neto', 'cmdCalc', 'Text1'].map(
                      (id) => document.getElementById(id).checkVisibility());''')
                self.assertEqual(shown, [True] * 6 + [last == 'cmdNeto', False, False])
                self.assertRegex(self.element('fecha').text, r'\b20\d\d\b')
                pdf = base64.b64decode(self.driver.execute_cdp_cmd('Page.printToPDF', {})['data'])
                self.assertEqual(len(re.findall(rb'/Type\s*/Page\b', pdf)), 1)
                self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {})


if __name__ == '__main__':
    unittest.main()
