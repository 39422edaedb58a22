# SPDX-License-Identifier: MIT
"""The card "Recibos de nómina (CFDI)": receipts chosen as files or in a ZIP give the very report
`isr2016-cli --recibos` writes (ISR_CLI) on the same files, byte for byte, hostile ones included;
the summary is --resumen's; nothing is fetched.

The receipts are laid out as the SAT publishes them (nomina11.xsd, nomina12.xsd and their filling
guides on cfdv32.xsd and cfdv33.xsd), written with other prefixes than the SAT's examples so that
only the namespaces can find them.
"""
import os
import random
import re
import struct
import subprocess
import zipfile

from selenium.webdriver.support.wait import WebDriverWait

from browser import FileCardTest
from test_page import RUN_AXE

CLI = os.environ['ISR_CLI']

CFDI = 'http://www.sat.gob.mx/cfd/3'
NOMINA11 = 'http://www.sat.gob.mx/nomina'
NOMINA12 = 'http://www.sat.gob.mx/nomina12'
STAMP = 'http://www.sat.gob.mx/TimbreFiscalDigital'


def money(cents):
    return f'{cents // 100}.{cents % 100:02d}'


def nomina11(rng, i):
    base = rng.randint(100_000, 3_000_000)
    isr = rng.randint(0, base // 5)
    where = 'ImporteExento' if i % 2 else 'ImporteGravado'
    period = rng.choice(['Quincenal', 'quincenal', 'SEMANAL', '04', 'Mensual', 'Decenal'])
    days = rng.choice(['15', '16', '7', '30', '10', '15.2'])
    subsidy = ''
    if i % 5 == 0:
        subsidy = (f'<n:Percepcion TipoPercepcion="017" Clave="017" Concepto="Subsidio" '
                   f'ImporteGravado="0.00" ImporteExento="{money(rng.randint(1, 40_000))}"/>')
    aguinaldo = ''
    if i % 7 == 0:
        aguinaldo = (f'<n:Percepcion TipoPercepcion="002" Clave="002" Concepto="Aguinaldo" '
                     f'ImporteGravado="{money(rng.randint(1, 900_000))}" ImporteExento="0.00"/>')
    year = rng.choice(['2016', '2016', '2015', '2013'])
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<c:Comprobante xmlns:c="{CFDI}" xmlns:n="{NOMINA11}" xmlns:t="{STAMP}" version="3.2"
 fecha="{year}-03-15T09:00:00" tipoDeComprobante="egreso" subTotal="{money(base)}"
 total="{money(base - isr)}" formaDePago="En una sola exhibición" metodoDePago="NA"
 LugarExpedicion="Guadalajara, Jalisco">
 <c:Emisor rfc="AAA010101AAA" nombre="Patrón S.A. de C.V."/>
 <c:Receptor rfc="PEGJ800101AB{i % 10}" nombre="Juan Pérez"/>
 <c:Conceptos><c:Concepto cantidad="1" unidad="Servicio" descripcion="Pago de nómina"
  valorUnitario="{money(base)}" importe="{money(base)}"/></c:Conceptos>
 <c:Impuestos/>
 <c:Complemento>
  <n:Nomina Version="1.1" RegistroPatronal="B5510768108" NumEmpleado="{i}"
   CURP="PEGJ800101HJCRRN05" TipoRegimen="2" FechaPago="{year}-03-15"
   FechaInicialPago="{year}-03-01" FechaFinalPago="{year}-03-15" NumDiasPagados="{days}"
   PeriodicidadPago="{period}">
   <n:Percepciones TotalGravado="{money(base)}" TotalExento="0.00">
    <n:Percepcion TipoPercepcion="001" Clave="001" Concepto="Sueldo"
     ImporteGravado="{money(base)}" ImporteExento="0.00"/>{subsidy}{aguinaldo}
   </n:Percepciones>
   <n:Deducciones TotalGravado="0.00" TotalExento="{money(isr)}">
    <n:Deduccion TipoDeduccion="002" Clave="002" Concepto="ISR"
     {where}="{money(isr)}" {'ImporteGravado' if where == 'ImporteExento' else 'ImporteExento'}="0.00"/>
   </n:Deducciones>
  </n:Nomina>
  <t:TimbreFiscalDigital version="1.0" UUID="UUID-11-{i:05d}" FechaTimbrado="{year}-03-15T10:00:00"/>
 </c:Complemento>
</c:Comprobante>
'''


def payroll12(rng, i, prefix='nomina12'):
    base = rng.randint(100_000, 3_000_000)
    isr = rng.randint(0, base // 5)
    delivered = rng.randint(0, 30_000) if i % 3 == 0 else 0
    kind = 'E' if i % 11 == 0 else 'O'
    days = rng.choice(['15', '14', '7', '30.417', '31'])
    period = rng.choice(['02', '03', '04', '05', '10', '99'])
    p = prefix
    return f'''<{p}:Nomina xmlns:{p}="{NOMINA12}" Version="1.2" TipoNomina="{kind}" FechaPago="2017-01-15"
   FechaInicialPago="2017-01-01" FechaFinalPago="2017-01-15" NumDiasPagados="{days}">
   <{p}:Emisor RegistroPatronal="B5510768108"/>
   <{p}:Receptor Curp="PEGJ800101HJCRRN05" Antigüedad="P54W" TipoContrato="01" TipoRegimen="02"
    NumEmpleado="{i}" PeriodicidadPago="{period}" ClaveEntFed="JAL"/>
   <{p}:Percepciones TotalSueldos="{money(base)}" TotalGravado="{money(base)}" TotalExento="0.00">
    <{p}:Percepcion TipoPercepcion="001" Clave="P001" Concepto="Sueldo"
     ImporteGravado="{money(base)}" ImporteExento="0.00"/>
   </{p}:Percepciones>
   <{p}:Deducciones TotalImpuestosRetenidos="{money(isr)}">
    <{p}:Deduccion TipoDeduccion="002" Clave="D002" Concepto="ISR" Importe="{money(isr)}"/>
   </{p}:Deducciones>
   <{p}:OtrosPagos>
    <{p}:OtroPago TipoOtroPago="002" Clave="O002" Concepto="Subsidio" Importe="{money(delivered)}">
     <{p}:SubsidioAlEmpleo SubsidioCausado="{money(delivered)}"/>
    </{p}:OtroPago>
   </{p}:OtrosPagos>
  </{p}:Nomina>'''


def cfdi33(rng, i, complements=1):
    # The default namespace for the CFDI itself: no prefix at all.
    nominas = ''.join(payroll12(rng, i * 10 + k, f'p{k}') for k in range(complements))
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<Comprobante xmlns="{CFDI}" Version="3.3" Fecha="2017-01-15T09:00:00" TipoDeComprobante="N"
 SubTotal="1.00" Total="1.00" Moneda="MXN" LugarExpedicion="44100">
 <Emisor Rfc="AAA010101AAA" RegimenFiscal="601"/>
 <Receptor Rfc="PEGJ800101AB1" UsoCFDI="P01"/>
 <Conceptos><Concepto ClaveProdServ="84111505" Cantidad="1" ClaveUnidad="ACT"
  Descripcion="Pago de nómina" ValorUnitario="1.00" Importe="1.00"/></Conceptos>
 <Complemento>{nominas}
  <tfd:TimbreFiscalDigital xmlns:tfd="{STAMP}" Version="1.1" UUID="UUID-12-{i:05d}"/>
 </Complemento>
</Comprobante>
'''


def receipts(count, draw):
    """Receipt files, name and text, the same for the same draw."""
    rng = random.Random(draw)
    made = []
    for i in range(count):
        if i % 3 == 0:
            made.append((f'r{i:04d}.xml', nomina11(rng, i)))
        else:
            made.append((f'r{i:04d}.XML', cfdi33(rng, i, 2 if i % 4 == 1 else 1)))
    return made


# Files the reader must refuse, each with a row of its own.
HOSTILE = [
    ('doctype.xml', '<?xml version="1.0"?>\n<!DOCTYPE c [<!ENTITY a "aaaaaaaaaa">]>\n'
                    f'<c:Comprobante xmlns:c="{CFDI}">&a;</c:Comprobante>'),
    ('hondo.xml', '<a>' * 100 + '</a>' * 100),
    ('otro.xml', '<?xml version="1.0"?><factura total="1.00"/>'),
    ('incompleto.xml', f'<Comprobante xmlns="{CFDI}" Version="3.3"><Complemento>'
                       f'<n:Nomina xmlns:n="{NOMINA12}" Version="1.2"/></Complemento>'
                       '</Comprobante>'),
]


# Files that must not read otherwise among others than alone: the card parses several documents
# in one go, each inside an element of its own, and takes that only where it is what each alone
# gives.
def spoofing(good):
    cfdi = good.split('?>', 1)[1]
    return [
        ('cierra.xml', '<a/></w><w><b/>'),
        ('cierra_todo.xml', cfdi + '</w></w><w><w>' + cfdi),
        ('dos_raices.xml', cfdi + cfdi),
        ('texto_al_lado.xml', cfdi + 'texto'),
        ('referencia_al_lado.xml', cfdi.rstrip() + '&#32;'),
        ('comentario_al_lado.xml', cfdi + '<!-- al lado -->'),
        ('comentario_abierto.xml', cfdi + '<!--'),
        ('cdata_al_lado.xml', cfdi + '<![CDATA[ ]]>'),
        ('instruccion_al_lado.xml', '<?pi algo?>' + cfdi),
        ('doctype.xml', '<!DOCTYPE a>' + cfdi),
        ('declaracion_1_1.xml', '<?xml version="1.1"?>' + cfdi),
        ('declaracion_repetida.xml', '<?xml version="1.0"?><?xml version="1.0"?>' + cfdi),
        ('declaracion_mayusculas.xml', '<?XML version="1.0"?>' + cfdi),
        ('latin1.xml', ('<?xml version="1.0" encoding="ISO-8859-1"?>' + cfdi).encode('latin-1')),
        ('bom.xml', b'\xef\xbb\xbf' + good.encode('utf-8')),
        ('sin_raiz.xml', '<?xml version="1.0"?>'),
        ('vacio.xml', ''),
        ('espacio_raro.xml', '\u00a0' + cfdi),
        ('prefijo_sin_declarar.xml', '<x:a/>'),
        ('sin_cerrar.xml', cfdi.replace('</c:Comprobante>', '')),
        ('parsererror.xml', '<a><parsererror/></a>'),
        ('roto.xml', cfdi.replace('<c:Emisor', '<c:Emisor <')),
    ]


class ReceiptsCard(FileCardTest):
    def state(self):
        return self.driver.execute_script('return document.body.dataset.recibos')

    def audit(self, names, tables='anexo8'):
        """Chooses the files on the card; returns the downloaded report."""
        self.choose('cmbTablas', tables)
        self.element('archivoRecibos').send_keys(
            '\n'.join(os.path.join(self.folder, name) for name in names))
        WebDriverWait(self.driver, 120, 0.05).until(lambda d: self.state() == 'listo')
        return self.saved('lnkRecibos')[1]

    def cli(self, names, tables='anexo8'):
        run = subprocess.run([CLI, '--recibos', '--resumen', '--tablas', tables, *sorted(names)],
                             capture_output=True, cwd=self.folder)
        self.assertIn(run.returncode, (0, 1), run.stderr)
        return run.stdout, run.stderr.decode('utf-8')

    def test_files_and_packages_give_the_command_lines_report(self):
        files = receipts(120, 1)
        for name, text in files:
            self.write(name, text)
        zipped = receipts(150, 2)
        with zipfile.ZipFile(os.path.join(self.folder, 'descarga.zip'), 'w',
                             zipfile.ZIP_DEFLATED) as package:
            package.writestr('sat/', '')
            for name, text in zipped:
                package.writestr('sat/' + name, text)
            package.writestr('sat/leame.txt', 'no es un recibo')
            package.writestr('sat/stored.xml', zipped[0][1], zipfile.ZIP_STORED)
            # Beyond 4 MiB once inflated: refused while it streams.
            package.writestr('sat/enorme.xml', ' ' * (4 * 1024 * 1024 + 1))
            # Last, with a local extra field longer than the reader looks past a header at first.
            extra = zipfile.ZipInfo('sat/extra.xml')
            extra.compress_type = zipfile.ZIP_DEFLATED
            extra.extra = struct.pack('<HH', 0x6666, 3000) + bytes(3000)
            package.writestr(extra, zipped[1][1])
        cases = [
            ('files', [name for name, _ in files], 'anexo8'),
            ('files, the program\'s tables', [name for name, _ in files[:40]], 'programa'),
            ('a package', ['descarga.zip'], 'anexo8'),
            ('hostile files', [name for name, _ in HOSTILE] + ['r0001.XML'], 'anexo8'),
        ]
        for name, text in HOSTILE:
            self.write(name, text)
        for label, names, tables in cases:
            with self.subTest(label):
                report = self.audit(names, tables)
                expected, summary = self.cli(names, tables)
                self.assertEqual(report.decode('utf-8'), expected.decode('utf-8'))
                self.assertEqual(self.element('txtRecibosResumen').text + '\n', summary)

    def test_files_that_read_otherwise_among_others_give_the_command_lines_report(self):
        # Each among fifteen good receipts, the card's batch of sixteen, so that it alone could
        # spoil its batch.
        others = receipts(15, 5)
        names = []
        for i, (name, data) in enumerate(spoofing(others[0][1])):
            names.append(self.write(f'r{i:02d}a_{name}', data))
            names += [self.write(f'r{i:02d}b_{other}', text) for other, text in others]
        names = [os.path.basename(name) for name in names]
        report = self.audit(names).decode('utf-8').split('\r\n')
        expected = self.cli(names)[0].decode('utf-8').split('\r\n')
        self.assertEqual(len(report), len(expected))
        malformed = re.compile(r'"no es XML bien formado \(.*\)"$')
        for row, cli_row in zip(report, expected):
            with self.subTest(row.split(',')[0]):
                if malformed.search(cli_row) and malformed.search(row):
                    # The browser's parser words it otherwise: the row is the one the file
                    # gets when chosen alone.
                    self.assertEqual(row, self.audit([row.split(',')[0]]).decode('utf-8')
                                     .split('\r\n')[1])
                    self.assertEqual(malformed.sub('', row), malformed.sub('', cli_row))
                else:
                    self.assertEqual(row, cli_row)

    def test_an_entry_too_large_to_hold_is_streamed_though_its_sizes_say_small(self):
        # 5 MiB that deflate cannot shrink, under headers that say 100 bytes: nothing but the
        # inflating stream can tell it is too large, and no read may take it whole.
        with zipfile.ZipFile(os.path.join(self.folder, 'miente.zip'), 'w',
                             zipfile.ZIP_DEFLATED) as package:
            package.writestr('a_miente.xml', random.Random(7).randbytes(5 * 1024 * 1024))
            package.writestr('b_bien.xml', receipts(1, 6)[0][1])
            lying = package.getinfo('a_miente.xml')
        path = os.path.join(self.folder, 'miente.zip')
        with open(path, 'rb') as source:
            data = bytearray(source.read())
        struct.pack_into('<I', data, lying.header_offset + 22, 100)
        struct.pack_into('<I', data, data.find(b'PK\x01\x02') + 24, 100)
        self.write('miente.zip', bytes(data))
        self.driver.execute_script("""
            window.largestRead = 0;
            const read = Blob.prototype.arrayBuffer;
            Blob.prototype.arrayBuffer = function () {
              largestRead = Math.max(largestRead, this.size);
              return read.call(this);
            };""")
        report = self.audit(['miente.zip'])
        expected, _ = self.cli(['miente.zip'])
        self.assertEqual(report.decode('utf-8'), expected.decode('utf-8'))
        self.assertIn('a_miente.xml,' + ',' * 22 + 'no auditado,pasa de 4 MiB', report.decode())
        self.assertLess(self.driver.execute_script('return largestRead'), 2 * 1024 * 1024)

    def test_a_malformed_file_is_a_row_saying_so(self):
        self.write('roto.xml', f'<Comprobante xmlns="{CFDI}"><Emisor></Comprobante>')
        self.write('bien.xml', receipts(1, 3)[0][1])
        report = self.audit(['roto.xml', 'bien.xml']).decode('utf-8').split('\r\n')
        self.assertTrue(report[1].startswith('bien.xml,UUID-11-00000,1.1,'), report[1])
        self.assertTrue(report[2].startswith('roto.xml,'), report[2])
        self.assertIn(',no auditado,"no es XML bien formado (', report[2])

    def test_differing_receipts_are_listed_nothing_is_fetched_and_the_card_is_accessible(self):
        with open(os.environ['ISR_AXE'], encoding='utf-8') as axe:
            self.driver.execute_script(axe.read())
        files = receipts(30, 4)
        for name, text in files:
            self.write(name, text)
        report = self.audit([name for name, _ in files]).decode('utf-8').split('\r\n')
        differing = [row.split(',')[0] for row in report[1:] if ',difiere,' in row]
        self.assertTrue(differing)
        listed = [item.text.split(' ')[0] for item in
                  self.driver.find_elements('css selector', '#lstRecibosDifieren li')]
        self.assertEqual(listed, differing[:10])
        self.assertEqual(self.driver.execute_script(
            'return performance.getEntriesByType("resource").map((r) => r.name)'), [])
        self.assertEqual(self.driver.execute_async_script(RUN_AXE), [])
