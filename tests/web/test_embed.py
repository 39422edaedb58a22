# SPDX-License-Identifier: MIT
"""How the page is put together (web/tools/embed_page.py): the script where the shell marks it,
the WebAssembly inside the script in a form that inflates back to every byte, and a shell or a
script that cannot make one page refused rather than half filled."""
import base64
import os
import re
import subprocess
import sys
import tempfile
import unittest
import zlib

from embed_page import SCRIPT_MARK, WASM_MARK, page_text

SHELL = '<body>\n' + SCRIPT_MARK + '\n</body>\n'
SCRIPT = "var a = 1;\nload('" + WASM_MARK + "');\n"
# Every byte value, runs that deflate well and bytes that do not.
WASM = b'\0asm\1\0\0\0' + bytes(range(256)) * 3 + b'\0' * 4000 + os.urandom(500)


class Embedding(unittest.TestCase):
    def test_the_script_and_its_webassembly_are_in_the_page(self):
        page = page_text(SHELL, SCRIPT, WASM)
        found = re.fullmatch(r"<body>\n<script>\nvar a = 1;\nload\('([A-Za-z0-9+/=]+)'\);\n\n"
                             r'</script>\n</body>\n', page)
        self.assertIsNotNone(found, page[:200])
        self.assertEqual(zlib.decompressobj().decompress(base64.b64decode(found[1])), WASM)
        self.assertLess(len(found[1]), len(base64.b64encode(WASM)))

    def test_what_cannot_make_one_page_is_refused(self):
        cases = [
            ('a shell without the script mark', '<body></body>', SCRIPT, 'the shell'),
            ('a shell with two script marks', SHELL + SCRIPT_MARK, SCRIPT, 'the shell'),
            ('a script without the WebAssembly mark', SHELL, 'var a;', 'the script'),
            ('a script with two WebAssembly marks', SHELL, SCRIPT + WASM_MARK, 'the script'),
            ('a script that closes its element', SHELL, SCRIPT + "s = '</SCRIPT>';", 'close'),
        ]
        for name, shell, script, reason in cases:
            with self.subTest(name):
                with self.assertRaisesRegex(ValueError, reason):
                    page_text(shell, script, WASM)

    def test_a_page_that_cannot_be_made_leaves_the_old_one(self):
        tool = os.path.join(os.path.dirname(sys.modules['embed_page'].__file__), 'embed_page.py')
        with tempfile.TemporaryDirectory() as folder:
            paths = {name: os.path.join(folder, name) for name in ('shell', 'script', 'wasm', 'page')}
            for name, text in (('shell', SHELL), ('script', 'var a;'), ('page', 'old')):
                with open(paths[name], 'w', encoding='utf-8') as out:
                    out.write(text)
            with open(paths['wasm'], 'wb') as out:
                out.write(WASM)
            run = subprocess.run([sys.executable, tool, paths['shell'], paths['script'],
                                  paths['wasm'], paths['page']], capture_output=True, text=True)
            self.assertNotEqual(run.returncode, 0)
            with open(paths['page'], encoding='utf-8') as page:
                self.assertEqual(page.read(), 'old')
            self.assertEqual(sorted(os.listdir(folder)), ['page', 'script', 'shell', 'wasm'])


if __name__ == '__main__':
    unittest.main()
