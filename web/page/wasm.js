// SPDX-License-Identifier: MIT
// Hands Emscripten's runtime the core's WebAssembly, which the page's build embeds here deflated
// and in base64 (web/tools/embed_page.py), some 40 % of its size as plain base64. The browser
// inflates it, in the page and in a payroll's worker alike; a failure aborts as the runtime's own
// loading would.
Module['instantiateWasm'] = (imports, receiveInstance) => {
  const text = atob('@ISR_WASM_DEFLATED@');
  const deflated = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) deflated[i] = text.charCodeAt(i);
  new Response(new Blob([deflated]).stream().pipeThrough(new DecompressionStream('deflate')))
    .arrayBuffer()
    .then((wasm) => WebAssembly.instantiate(wasm, imports))
    .then((output) => receiveInstance(output.instance), abort);
  return {};
};
