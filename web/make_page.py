#!/usr/bin/python3
"""Puts the page together as one file: the template, its style, and its script
with the WebAssembly inlined, under a Content-Security-Policy that lets only
those two run and connects to nothing.
usage: make_page.py TEMPLATE STYLE SCRIPT WASM OUTPUT"""
import base64
import hashlib
import pathlib
import sys

template, style, script, wasm, output = map(pathlib.Path, sys.argv[1:])
binary = base64.b64encode(wasm.read_bytes()).decode()
# The program's WebAssembly is here rather than fetched, and is made at once,
# so that the controls stand before the page is first drawn.
code = """var Module = {
  instantiateWasm: function(imports, receive) {
    var text = atob('""" + binary + """');
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    var module = new WebAssembly.Module(bytes);
    var instance = new WebAssembly.Instance(module, imports);
    receive(instance, module);
    return instance.exports;
  },
  postRun: [function() { window.quennarixReady = performance.now(); }]
};
""" + script.read_text()
css = style.read_text()


def digest(text):
    return "sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


page = template.read_text()
for key, value in (("@SCRIPT_HASH@", digest(code)), ("@STYLE_HASH@", digest(css)),
                   ("@STYLE@", css), ("@SCRIPT@", code)):
    page = page.replace(key, value)
output.write_text(page)
