# SPDX-License-Identifier: MIT
"""Writes the page: its HTML with the linked script inline and the WebAssembly inside the script.

usage: python3 web/tools/embed_page.py SHELL SCRIPT WASM PAGE

The WebAssembly goes in deflated (zlib's format, which every browser's DecompressionStream
inflates as 'deflate') and then in base64: some 40 % of it as plain base64, which Emscripten's
one-file output embeds. The script's loader (web/page/wasm.js) holds the one placeholder that
the data replaces; the shell's one {{{ SCRIPT }}} becomes the script. PAGE is replaced only by a
finished file.
"""
import base64
import os
import sys
import tempfile
import zlib

SCRIPT_MARK = '{{{ SCRIPT }}}'
WASM_MARK = '@ISR_WASM_DEFLATED@'


def the_one(text, mark, what):
    count = text.count(mark)
    if count != 1:
        raise ValueError(f'{what} holds {mark} {count} times, not once')


def page_text(shell, script, wasm):
    """The page from the shell's text, the script's text and the WebAssembly's bytes."""
    the_one(shell, SCRIPT_MARK, 'the shell')
    the_one(script, WASM_MARK, 'the script')
    if '</script' in script.lower():
        raise ValueError('the script would close its own element')
    data = base64.b64encode(zlib.compress(wasm, 9)).decode('ascii')
    return shell.replace(SCRIPT_MARK, '<script>\n' + script.replace(WASM_MARK, data) + '\n</script>')


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__.split('\n\n')[1])
    _, shell_path, script_path, wasm_path, page_path = argv
    with open(shell_path, encoding='utf-8') as shell, open(script_path, encoding='utf-8') as script, \
            open(wasm_path, 'rb') as wasm:
        page = page_text(shell.read(), script.read(), wasm.read())
    folder = os.path.dirname(os.path.abspath(page_path))
    fd, temporary = tempfile.mkstemp(dir=folder, prefix='.isr2016-', suffix='.html')
    try:
        with os.fdopen(fd, 'w', encoding='utf-8', newline='\n') as out:
            out.write(page)
        os.chmod(temporary, 0o644)
        os.replace(temporary, page_path)
    except BaseException:
        os.unlink(temporary)
        raise


if __name__ == '__main__':
    main(sys.argv)
