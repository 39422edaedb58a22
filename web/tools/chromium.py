# SPDX-License-Identifier: MIT
"""Debian's headless Chromium under Debian's chromedriver, for the page's tests and tools."""
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Without the networking flags Chromium spends seconds on requests the closed network drops.
FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync']


def start_chromium(profile, width, height, *flags):
    """A browser with a fresh profile directory and the network off."""
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in FLAGS + [f'--user-data-dir={profile}', f'--window-size={width},{height}', *flags]:
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.execute_cdp_cmd('Network.enable', {})
    driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
        'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
    return driver
