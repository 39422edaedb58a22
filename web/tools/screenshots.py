# SPDX-License-Identifier: MIT
"""Pictures of the page for the README, in headless Chromium: a monthly calculation at desktop
width (docs/pagina.png) and at a phone's 360 px (docs/pagina-telefono.png, at scale 2), and the
chart after a monthly gross-up, read at the subsidy's last step, at both widths
(docs/grafica.png, docs/grafica-telefono.png), and the card "Aguinaldo, PTU y primas" with the
worked aguinaldo at desktop width (docs/pago.png), the card "Nómina completa (CSV)" after a
small payroll with two bad rows (docs/nomina.png), and the card "Recibos de nómina (CFDI)" after
three receipts: one agreeing, one differing, one broken (docs/recibos.png).

usage: /usr/bin/python3 web/tools/screenshots.py PAGE DOCS_DIR
"""
import base64
import os
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

from chromium import start_chromium


def open_page(driver, page, width, scale):
    """The page freshly loaded at that width and scale, ready for input."""
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': width, 'height': 800, 'deviceScaleFactor': scale, 'mobile': width < 600})
    driver.get('file://' + page)
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        'return "ready" in document.body.dataset'))


def shoot(driver, page, width, scale, path):
    open_page(driver, page, width, scale)
    base = driver.find_element(By.ID, 'txtBase')
    base.click()
    base.send_keys('3000')
    driver.find_element(By.ID, 'cmdCalc').click()
    height = driver.execute_script('return document.documentElement.scrollHeight')
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'captureBeyondViewport': True,
        'clip': {'x': 0, 'y': 0, 'width': width, 'height': height, 'scale': 1}})
    with open(path, 'wb') as out:
        out.write(base64.b64decode(shot['data']))


# The chart's panel and a margin round it, in page coordinates.
CHART_BOX = """
const r = document.getElementById('grafica').getBoundingClientRect();
return {x: r.left + scrollX - 8, y: r.top + scrollY - 8, width: r.width + 16,
        height: r.height + 16, scale: 1};
"""


def shoot_chart(driver, page, width, scale, path):
    open_page(driver, page, width, scale)
    target = driver.find_element(By.ID, 'txtNetoBuscado')
    target.click()
    target.send_keys('5000')
    driver.find_element(By.ID, 'cmdNeto').click()
    WebDriverWait(driver, 10).until(lambda d: d.execute_script('return !chart.pending'))
    driver.execute_script('chartReadAt(738233)')
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'captureBeyondViewport': True, 'clip': driver.execute_script(CHART_BOX)})
    with open(path, 'wb') as out:
        out.write(base64.b64decode(shot['data']))


# The payment card and a margin round it, in page coordinates.
CARD_BOX = CHART_BOX.replace("'grafica'", "'pago'")


def shoot_card(driver, page, width, scale, path):
    open_page(driver, page, width, scale)
    for id, text in [('txtIngresoMensual', '10000'), ('txtImporte', '5000')]:
        driver.find_element(By.ID, id).click()
        driver.find_element(By.ID, id).send_keys(text)
    driver.find_element(By.ID, 'cmdPago').click()
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'captureBeyondViewport': True, 'clip': driver.execute_script(CARD_BOX)})
    with open(path, 'wb') as out:
        out.write(base64.b64decode(shot['data']))


# A payroll as a clerk's program would write it: employee, name, period, income; two rows wrong.
PAYROLL = """num_empleado,nombre,periodo,ingreso_gravable,suma_subsidio
101,Ana López,Mensual,"8,500.00",
102,Beto Ruiz,Quincenal,4200,
103,Carla Díaz,Mensual,12000.5,
104,Daniel Soto,Bimestral,9000,
105,Elena Paz,Semanal,"1,850.00",
106,Félix Mora,Anual,185000,"4,800.00"
107,Gina Vela,Mensual,doce mil,
"""

PAYROLL_BOX = CHART_BOX.replace("'grafica'", "'nomina'")


def shoot_payroll(driver, page, width, scale, path):
    open_page(driver, page, width, scale)
    with tempfile.TemporaryDirectory() as folder:
        payroll = os.path.join(folder, 'nomina-diciembre.csv')
        with open(payroll, 'w', encoding='utf-8') as out:
            out.write(PAYROLL)
        driver.find_element(By.ID, 'archivoNomina').send_keys(payroll)
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            'return document.body.dataset.nomina === "listo"'))
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'captureBeyondViewport': True, 'clip': driver.execute_script(PAYROLL_BOX)})
    with open(path, 'wb') as out:
        out.write(base64.b64decode(shot['data']))


# A payroll 1.1 receipt of a quincena: 7,500.05 taxed, `isr` withheld.
RECEIPT = """<?xml version="1.0" encoding="UTF-8"?>
<cfdi:Comprobante xmlns:cfdi="http://www.sat.gob.mx/cfd/3" xmlns:nomina="http://www.sat.gob.mx/nomina"
 xmlns:tfd="http://www.sat.gob.mx/TimbreFiscalDigital" version="3.2" fecha="2016-03-15T09:00:00">
 <cfdi:Emisor rfc="AAA010101AAA"/><cfdi:Receptor rfc="PEGJ800101AB1"/>
 <cfdi:Complemento>
  <nomina:Nomina Version="1.1" NumEmpleado="120" CURP="PEGJ800101HJCRRN05" FechaPago="2016-03-15"
   FechaInicialPago="2016-03-01" FechaFinalPago="2016-03-15" NumDiasPagados="15"
   PeriodicidadPago="Quincenal">
   <nomina:Percepciones><nomina:Percepcion TipoPercepcion="001" ImporteGravado="7500.05"
    ImporteExento="0.00"/></nomina:Percepciones>
   <nomina:Deducciones><nomina:Deduccion TipoDeduccion="002" ImporteGravado="0.00"
    ImporteExento="{isr}"/></nomina:Deducciones>
  </nomina:Nomina>
  <tfd:TimbreFiscalDigital UUID="{uuid}"/>
 </cfdi:Complemento>
</cfdi:Comprobante>
"""

RECEIPTS_BOX = CHART_BOX.replace("'grafica'", "'recibos'")


def shoot_receipts(driver, page, width, scale, path):
    open_page(driver, page, width, scale)
    with tempfile.TemporaryDirectory() as folder:
        files = []
        for name, text in [
                ('a.xml', RECEIPT.format(isr='1054.75', uuid='6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B')),
                ('b.xml', RECEIPT.format(isr='1060.00', uuid='0B1C2D3E-4F5A-4B6C-8D7E-9F0A1B2C3D4E')),
                ('roto.xml', '<cfdi')]:
            files.append(os.path.join(folder, name))
            with open(files[-1], 'w', encoding='utf-8') as out:
                out.write(text)
        driver.find_element(By.ID, 'archivoRecibos').send_keys('\n'.join(files))
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            'return document.body.dataset.recibos === "listo"'))
    shot = driver.execute_cdp_cmd('Page.captureScreenshot', {
        'captureBeyondViewport': True, 'clip': driver.execute_script(RECEIPTS_BOX)})
    with open(path, 'wb') as out:
        out.write(base64.b64decode(shot['data']))


def main():
    page, docs = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as profile:
        driver = start_chromium(profile, 1000, 800, '--hide-scrollbars')
        try:
            shoot(driver, page, 1000, 1, os.path.join(docs, 'pagina.png'))
            shoot(driver, page, 360, 2, os.path.join(docs, 'pagina-telefono.png'))
            shoot_chart(driver, page, 1000, 1, os.path.join(docs, 'grafica.png'))
            shoot_chart(driver, page, 360, 2, os.path.join(docs, 'grafica-telefono.png'))
            shoot_card(driver, page, 1000, 1, os.path.join(docs, 'pago.png'))
            shoot_payroll(driver, page, 1000, 1, os.path.join(docs, 'nomina.png'))
            shoot_receipts(driver, page, 1000, 1, os.path.join(docs, 'recibos.png'))
        finally:
            driver.quit()


if __name__ == '__main__':
    main()
