# SPDX-License-Identifier: MIT
"""The amount inputs under real keys, clicks and pastes: the window's entry rules, run by the core."""
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from browser import RESULT_BOXES, PageTest

CLICK, TAB = 'click', Keys.TAB


class EntryRules(PageTest):
    def paste(self, id, text):
        # Through the clipboard, as a person pastes: copied with the keys from a scratch text area.
        self.driver.execute_script(
            'const t = document.createElement("textarea"); t.id = "recorte";'
            't.value = arguments[0]; document.body.append(t);', text)
        self.element('recorte').click()
        self.element('recorte').send_keys(Keys.CONTROL, 'a')
        self.element('recorte').send_keys(Keys.CONTROL, 'c')
        self.driver.execute_script('document.getElementById("recorte").remove()')
        self.element(id).click()
        self.element(id).send_keys(Keys.CONTROL, 'v')

    def run_steps(self, id, steps):
        for step in steps:
            if step == CLICK:
                self.element(id).click()
            elif isinstance(step, tuple):
                self.paste(id, step[1])
            else:
                self.element(id).send_keys(step)

    # (what, steps on txtBase from a fresh page, its text, its selection or None)
    CASES = [
        ('letters, comma and blank refused', [CLICK, '12a,5 b'], '125', None),
        ('a second point refused', [CLICK, '1.2.3'], '1.23', None),
        ('a point on "0" gives "0."', [CLICK, '.'], '0.', [2, 2]),
        ('a point typed inside goes to the end', [CLICK, '12', Keys.HOME, '.', '5'], '12.5', None),
        ('a point after one in the middle is dropped',
         [CLICK, '12.5', Keys.HOME, Keys.RIGHT, '.', '7'], '12.57', None),
        ('focus selects "0" and a digit replaces it', [CLICK, '7'], '7', None),
        ('backspace to nothing gives "0", selected', [CLICK, '5', Keys.BACKSPACE], '0', [0, 1]),
        ('a pasted non-number gives "0", selected', [('paste', '12 pesos')], '0', [0, 1]),
        ('a pasted number stays as pasted', [('paste', '1,2,34.5')], '1,2,34.5', None),
        ('leaving formats "#,0.00"', [CLICK, '1234567.8', TAB], '1,234,567.80', None),
        ('a half cent rounds away from zero', [('paste', '-0.125'), TAB], '-0.13', None),
        ('focus selects a formatted text whole',
         [CLICK, '1234.5', TAB, CLICK], '1,234.50', [0, 8]),
        ('End and a digit extend it', [CLICK, '1234.5', TAB, CLICK, Keys.END, '7'],
         '1,234.507', None),
        ('... and leaving rounds that to cents',
         [CLICK, '1234.5', TAB, CLICK, Keys.END, '7', TAB], '1,234.51', None),
    ]

    def test_rules_of_txtBase(self):
        for what, steps, text, selection in self.CASES:
            with self.subTest(what):
                self.setUp()
                self.run_steps('txtBase', steps)
                self.assertEqual(self.value('txtBase'), text)
                if selection is not None:
                    self.assertEqual(self.selection('txtBase'), selection)

    def test_coming_back_to_the_window_selects_the_text_and_the_click_keeps_it(self):
        self.run_steps('txtBase', [CLICK, '15000'])
        # The window losing and regaining the focus, as the browser tells the input: a blur that
        # leaves it the active element, then a focus.
        self.driver.execute_script(
            'const input = document.getElementById("txtBase");'
            'input.dispatchEvent(new FocusEvent("blur"));'
            'input.dispatchEvent(new FocusEvent("focus"));')
        self.assertEqual(self.value('txtBase'), '15000', 'leaving the window is no leaving')
        self.assertEqual(self.selection('txtBase'), [0, 5])
        self.run_steps('txtBase', [CLICK, '7500'])
        self.assertEqual(self.value('txtBase'), '7500')
        # Now being edited: a click places the caret.
        self.run_steps('txtBase', [CLICK])
        start, end = self.selection('txtBase')
        self.assertEqual(start, end)

    def test_txtPagos_has_the_same_rules(self):
        self.choose('cmbTarifa', 'Anual')
        self.run_steps('txtPagos', [('paste', 'mil'), '12x00.5', TAB])
        self.assertEqual(self.value('txtPagos'), '1,200.50')
        self.assertEqual(self.value('txtBase'), '0', 'each field keeps its own text')

    def test_only_anual_enables_the_subsidy_sum(self):
        def state():
            return (self.element('txtPagos').is_enabled(),
                    'disabled' in self.element('lbl-13').get_attribute('class'))

        self.assertEqual(state(), (False, True))
        self.choose('cmbTarifa', 'Anual')
        self.assertEqual(state(), (True, False))
        self.run_steps('txtPagos', [CLICK, '1200', TAB])
        for period in ['Mensual', 'Semanal', 'Decenal', 'Catorcenal', 'Quincenal']:
            self.choose('cmbTarifa', period)
            self.assertEqual(state(), (False, True), period)
        self.assertEqual(self.value('txtPagos'), '1,200.00', 'the sum is kept')

    def test_enter_does_not_calculate_and_alt_c_does_once(self):
        self.driver.execute_script(
            'window.clicks = 0;'
            'document.getElementById("cmdCalc").addEventListener("click", () => ++clicks);')
        self.run_steps('txtBase', [CLICK, '3000', Keys.ENTER])
        self.assertEqual(self.boxes(), ['0'] * len(RESULT_BOXES))
        self.assertEqual(self.value('txtBase'), '3000')
        ActionChains(self.driver).key_down(Keys.ALT).send_keys('c').key_up(Keys.ALT).perform()
        self.assertEqual(self.value('txtBase'), '3,000.00', 'formatted before the calculation')
        self.assertEqual(self.value('txtRet08-0'), '-236.85')
        self.assertEqual(self.driver.execute_script('return clicks'), 1)


if __name__ == '__main__':
    unittest.main()
