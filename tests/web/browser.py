# SPDX-License-Identifier: MIT
"""The built page in headless Chromium, opened from disk with the network off.

ISR_PAGE names the page. Every test starts from a freshly loaded page and ends with an empty
browser console: an error or a warning anywhere fails the test that caused it.
"""
import glob
import os
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.select import Select
from selenium.webdriver.support.wait import WebDriverWait

from chromium import start_chromium

PAGE = os.environ['ISR_PAGE']

RESULT_BOXES = ['txtISR08-0', 'txtISR08-1', 'txtISR08-2', 'txtISR08-3', 'txtISR08-4',
                'txtSUB08-0', 'txtSUB08-1', 'txtSUB08-2', 'txtRet08-0']


class PageTest(unittest.TestCase):
    WIDTH, HEIGHT = 1100, 1400

    @classmethod
    def setUpClass(cls):
        profile = tempfile.TemporaryDirectory()
        cls.addClassCleanup(profile.cleanup)
        cls.driver = start_chromium(profile.name, cls.WIDTH, cls.HEIGHT)
        cls.addClassCleanup(cls.driver.quit)

    def setUp(self):
        self.driver.get('file://' + PAGE)
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script('return "ready" in document.body.dataset'))

    def tearDown(self):
        self.assertEqual(self.driver.get_log('browser'), [], 'the console stays empty')

    def element(self, id):
        return self.driver.find_element(By.ID, id)

    def value(self, id):
        return self.element(id).get_property('value')

    def selection(self, id):
        return self.driver.execute_script(
            'const e = document.getElementById(arguments[0]);'
            'return [e.selectionStart, e.selectionEnd];', id)

    def choose(self, list_id, text):
        Select(self.element(list_id)).select_by_visible_text(text)

    def boxes(self):
        return [self.value(id) for id in RESULT_BOXES]

    def calculate(self, tables, period, amount, subsidy_sum, field='txtBase', button='cmdCalc'):
        """Chooses the set and the period, types the amount (and the sum, unless None) and
        clicks the button."""
        self.choose('cmbTablas', tables)
        self.choose('cmbTarifa', period)
        for id, text in [(field, amount), ('txtPagos', subsidy_sum)]:
            if text is not None:
                self.element(id).click()
                self.element(id).send_keys(text)
        self.element(button).click()


class FileCardTest(PageTest):
    """A card that reads files chosen on it and offers one to download: the test's files and the
    browser's downloads in a folder of the test's own."""

    def setUp(self):
        super().setUp()
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = folder.name
        self.downloads = os.path.join(self.folder, 'descargas')
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                    {'behavior': 'allow', 'downloadPath': self.downloads})

    def write(self, name, data):
        path = os.path.join(self.folder, name)
        with open(path, 'wb') as out:
            out.write(data.encode('utf-8') if isinstance(data, str) else data)
        return path

    def saved(self, link_id):
        """Clicks the link; returns the name and the bytes of the file the browser saved, which
        is then removed, so that the next download keeps its name."""
        name = self.element(link_id).get_attribute('download')
        self.element(link_id).click()
        path = os.path.join(self.downloads, name)
        WebDriverWait(self.driver, 120, 0.1).until(
            lambda d: os.path.exists(path) and not glob.glob(path + '*.crdownload'))
        with open(path, 'rb') as saved:
            data = saved.read()
        os.remove(path)
        return name, data


class PayrollCardTest(FileCardTest):
    """The payroll card: a file chosen on it and run to its end."""

    def state(self):
        return self.driver.execute_script('return document.body.dataset.nomina')

    def run_payroll(self, path, tables='programa'):
        self.choose('cmbTablas', tables)
        self.element('archivoNomina').send_keys(path)
        WebDriverWait(self.driver, 120, 0.05).until(lambda d: self.state() != 'trabajando')
        return self.state()
