// SPDX-License-Identifier: MIT
// The card "Recibos de nómina (CFDI)" (src/web/receipts_card.cpp). The receipts chosen or dropped
// (XML files, a folder, ZIP packages such as the SAT's bulk download) are read here: a ZIP through
// its central directory, each entry inflated by the browser's own DecompressionStream as a
// stream and dropped past 4 MiB; each XML parsed by the browser's own DOMParser, its elements and
// attributes handed to the core by namespace URI, never by prefix. The core maps, audits and
// writes the report the command line writes. DOMParser exists only beside a page, not in a
// worker, so the card reads on the page in short turns that leave it free between them. Nothing
// is sent anywhere. Shares one scope with page.js and Emscripten's runtime.
'use strict';

// Between the texts of a document's events (receipts_card.cpp): no XML 1.0 document holds them.
const receiptStart = '\x01';
const receiptName = '\x02';
const receiptAttribute = '\x03';
const receiptEnd = '\x04';
const receiptXmlns = 'http://www.w3.org/2000/xmlns/';
// Deeper than this the core refuses the document: the walk goes one element further, no more.
const receiptDeepest = 64;
// A turn of reading ends after this long, so that the page answers between turns.
const receiptTurnMs = 40;
// Files and ZIP entries are read in groups, one read of the browser's for each: every read costs
// the browser about as much as a receipt's bytes do, and several groups in flight hide the rest.
const receiptsGroupCount = 64;
const receiptsGroupBytes = 1 << 20;
const receiptsGroupsAhead = 4;
// Room after an entry's compressed data for its local header's extra field, read in one go.
const receiptsLocalSlack = 1024;

// How many documents are parsed in one go at most (below); larger ones are parsed alone.
const receiptsBatch = 16;
const receiptsBatchLargest = 256 * 1024;

const receiptsRun = {token: 0, parts: [], url: '', encoder: null, decoders: new Map(),
  parser: null, waiting: [], waitingBytes: 0, yielded: new MessageChannel(), started: 0, turn: 0,
  documents: 0};

function receiptsElement(id) {
  return document.getElementById(id);
}

function receiptsName(file) {
  return file.webkitRelativePath || file.name;
}

function receiptsEndsWith(name, suffix) {
  return name.toLowerCase().endsWith(suffix);
}

// ---- Handing documents to the core ----

// `name`, then `text`, into the core's buffer; returns their sizes in bytes.
function receiptsHand(name, text) {
  const encoder = receiptsRun.encoder;
  // UTF-8 takes at most three bytes for each UTF-16 unit.
  const room = 3 * (name.length + text.length);
  const at = _isr_receipts_buffer(room);
  const nameSize = encoder.encodeInto(name, HEAPU8.subarray(at, at + room)).written;
  const textSize = encoder.encodeInto(text, HEAPU8.subarray(at + nameSize, at + room)).written;
  return [nameSize, nameSize + textSize];
}

function receiptsUnreadable(name, problem) {
  const [nameSize, size] = receiptsHand(name, problem);
  _isr_receipts_unreadable(nameSize, size);
}

// The document's elements in order, each with its attributes but the namespace declarations
// (which a namespace-aware parser does not report either).
function receiptsEvents(root) {
  let out = '';
  let element = root;
  let depth = 1;
  for (;;) {
    out += receiptStart + (element.namespaceURI || '') + receiptName + element.localName;
    const attributes = element.attributes;
    for (let i = 0; i < attributes.length; ++i) {
      const attribute = attributes[i];
      if (attribute.namespaceURI === receiptXmlns) continue;
      out += receiptAttribute + (attribute.namespaceURI || '') + receiptName +
        attribute.localName + receiptName + attribute.value;
    }
    if (depth > receiptDeepest) return out;
    if (element.firstElementChild) {
      element = element.firstElementChild;
      ++depth;
      continue;
    }
    out += receiptEnd;
    while (!element.nextElementSibling) {
      if (element === root) return out;
      element = element.parentElement;
      --depth;
      out += receiptEnd;
    }
    if (element === root) return out;
    element = element.nextElementSibling;
  }
}

// The encoding the XML declaration names, UTF-8 without one, as an XML parser reads it.
function receiptsDecoder(bytes) {
  const head = String.fromCharCode.apply(null, bytes.subarray(0, 200));
  const declared = /^(?:\uFEFF|\xEF\xBB\xBF)?<\?xml[^>]*encoding\s*=\s*["']([A-Za-z0-9._-]+)["']/
    .exec(head);
  const label = declared ? declared[1].toLowerCase() : 'utf-8';
  let decoder = receiptsRun.decoders.get(label);
  if (!decoder) {
    try {
      decoder = new TextDecoder(label);
    } catch (error) {
      decoder = null;
    }
    receiptsRun.decoders.set(label, decoder);
  }
  return decoder;
}

// Whether a document type declaration comes before the root element: a CFDI has none, so one can
// only be there to declare entities, and the document is refused before it is parsed.
function receiptsDeclaresDoctype(text) {
  let at = text.charCodeAt(0) === 0xFEFF ? 1 : 0;
  for (;;) {
    while (at < text.length && ' \t\r\n'.includes(text[at])) ++at;
    if (text.startsWith('<?', at)) {
      at = text.indexOf('?>', at);
    } else if (text.startsWith('<!--', at)) {
      at = text.indexOf('-->', at);
    } else {
      return text.startsWith('<!DOCTYPE', at);
    }
    if (at < 0) return false;
    at += 2;
  }
}

// What the browser puts in a document it could not parse: an XHTML element, which an element of
// that name in a document (in no namespace) is not.
function receiptsParseError(parsed) {
  return parsed.getElementsByTagNameNS('http://www.w3.org/1999/xhtml', 'parsererror')[0];
}

// Why the parser refused the document, as the command line says it.
function receiptsMalformed(error) {
  const where = /line (\d+) at column (\d+): ([^\n]*)/.exec(error.textContent);
  return 'no es XML bien formado (' +
    (where ? 'línea ' + where[1] + ', columna ' + where[2] + ': ' + where[3].trim() :
      error.textContent.trim().split('\n')[0]) + ')';
}

// What the parser is to read of a document: [true, its text, whether it was UTF-8], or [false,
// why it is refused before it is parsed].
function receiptsText(bytes) {
  if (bytes === null) return [false, 'no se pudo leer'];
  if (typeof bytes === 'string') return [false, bytes];
  const decoder = receiptsDecoder(bytes);
  if (!decoder) return [false, 'no es XML bien formado (codificación desconocida)'];
  const text = decoder.decode(bytes);
  if (receiptsDeclaresDoctype(text)) return [false, UTF8ToString(_isr_receipts_doctype())];
  return [true, text, decoder.encoding === 'utf-8'];
}

function receiptsHandEvents(name, events) {
  const [nameSize, size] = receiptsHand(name, events);
  _isr_receipts_document(nameSize, size);
}

function receiptsAlone(name, text) {
  const parsed = receiptsRun.parser.parseFromString(text, 'application/xml');
  const error = receiptsParseError(parsed);
  if (error) {
    receiptsUnreadable(name, receiptsMalformed(error));
  } else {
    receiptsHandEvents(name, receiptsEvents(parsed.documentElement));
  }
}

// ---- Parsing documents together ----
// The parser costs about as much for each document it is asked for as for a receipt's bytes, so
// documents are parsed several at a time, each inside a wrapper element whose name is drawn for
// the batch. A batch's result is taken only where it is provably what each document gives alone:
// a document goes in only with at most a plain XML declaration (version 1.0, UTF-8), which is
// left out, then white space, its root element, white space and nothing else (no comment,
// processing instruction or reference beside the root, where inside an element they would read
// otherwise), and not holding the wrapper's name anywhere, so no document can close or open a
// wrapper. The batch counts only when the parser accepts it whole and finds one wrapper for each
// document, each holding one element and white space alone; else each is parsed alone, and a
// malformed one is refused in the very words it would be.

const receiptsSpace = '[ \\t\\r\\n]';
const receiptsPlainDeclaration = new RegExp('^<\\?xml' + receiptsSpace + '+version' +
  receiptsSpace + '*=' + receiptsSpace + '*(["\'])1\\.0\\1(?:' + receiptsSpace + '+encoding' +
  receiptsSpace + '*=' + receiptsSpace + '*(["\'])[Uu][Tt][Ff]-8\\2)?' + receiptsSpace + '*\\?>');

// The document as it goes into a batch, or null when it is parsed alone.
function receiptsWrappable(text, utf8, wrapper) {
  if (!utf8 || text.length > receiptsBatchLargest) return null;
  const declaration = receiptsPlainDeclaration.exec(text);
  const body = declaration ? text.slice(declaration[0].length) : text;
  if (!/^[ \t\r\n]*<[A-Za-z_]/.test(body) || !/>[ \t\r\n]*$/.test(body) ||
      body.includes(wrapper)) {
    return null;
  }
  return body;
}

// Drawn for each batch, so that no file can be made to send others alone by holding it (one that
// holds it goes alone itself).
function receiptsWrapperName() {
  const draw = crypto.getRandomValues(new Uint32Array(2));
  return 'w' + draw[0].toString(36) + 'x' + draw[1].toString(36);
}

// The events of each body, parsed in one go; null when that result can't be taken.
function receiptsTogether(bodies, wrapper) {
  const open = '<' + wrapper + '>';
  const close = '</' + wrapper + '>';
  const parsed = receiptsRun.parser.parseFromString(
    open + open + bodies.join(close + open) + close + close, 'application/xml');
  if (receiptsParseError(parsed)) return null;
  const wrappers = parsed.documentElement.childNodes;
  if (wrappers.length !== bodies.length) return null;
  const events = [];
  for (const each of wrappers) {
    if (each.nodeType !== Node.ELEMENT_NODE || each.nodeName !== wrapper ||
        each.childElementCount !== 1) {
      return null;
    }
    for (const node of each.childNodes) {
      if (node.nodeType === Node.TEXT_NODE ? /[^ \t\r\n]/.test(node.data) :
        node.nodeType !== Node.ELEMENT_NODE) {
        return null;
      }
    }
    events.push(receiptsEvents(each.firstElementChild));
  }
  return events;
}

// The documents waiting, parsed and handed to the core in order.
function receiptsParseWaiting() {
  const documents = receiptsRun.waiting;
  receiptsRun.waiting = [];
  receiptsRun.waitingBytes = 0;
  const wrapper = receiptsWrapperName();
  const read = documents.map(([, bytes]) => receiptsText(bytes));
  const bodies = read.map(([parse, text, utf8]) =>
    parse ? receiptsWrappable(text, utf8, wrapper) : null);
  for (let i = 0; i < documents.length;) {
    let j = i;
    while (j < documents.length && bodies[j] !== null) ++j;
    const together = j - i > 1 ? receiptsTogether(bodies.slice(i, j), wrapper) : null;
    if (together) {
      for (let k = i; k < j; ++k) receiptsHandEvents(documents[k][0], together[k - i]);
      i = j;
      continue;
    }
    for (const k = Math.max(j, i + 1); i < k; ++i) {
      const [parse, text] = read[i];
      if (parse) {
        receiptsAlone(documents[i][0], text);
      } else {
        receiptsUnreadable(documents[i][0], text);
      }
    }
  }
  receiptsRun.documents += documents.length;
}

// A document, its bytes or why they can't be had, parsed with those before it once there are
// enough of them; false once the run was cancelled or replaced.
async function receiptsTake(token, name, bytes) {
  if (token !== receiptsRun.token) return false;
  receiptsRun.waiting.push([name, bytes]);
  if (bytes !== null && typeof bytes !== 'string') receiptsRun.waitingBytes += bytes.length;
  if (receiptsRun.waiting.length < receiptsBatch &&
      receiptsRun.waitingBytes < receiptsGroupBytes) {
    return true;
  }
  if (!(await receiptsTurn(token))) return false;
  receiptsParseWaiting();
  return true;
}

// ---- ZIP packages ----

function receiptsTooLarge() {
  return UTF8ToString(_isr_receipts_too_large());
}

// The package's entries from its central directory, in the order they lie in it; null when it
// has none that can be read.
async function receiptsZipEntries(file) {
  const tail = new DataView(await file.slice(Math.max(0, file.size - 65557)).arrayBuffer());
  let end = -1;
  for (let at = tail.byteLength - 22; at >= 0; --at) {
    if (tail.getUint32(at, true) === 0x06054b50) {
      end = at;
      break;
    }
  }
  if (end < 0) return null;
  const count = tail.getUint16(end + 10, true);
  const size = tail.getUint32(end + 12, true);
  const offset = tail.getUint32(end + 16, true);
  if (offset + size > file.size) return null;
  const directory = new DataView(await file.slice(offset, offset + size).arrayBuffer());
  const names = new TextDecoder('utf-8');
  const entries = [];
  let at = 0;
  for (let i = 0; i < count; ++i) {
    if (at + 46 > directory.byteLength || directory.getUint32(at, true) !== 0x02014b50) return null;
    const nameLength = directory.getUint16(at + 28, true);
    entries.push({
      method: directory.getUint16(at + 10, true),
      compressed: directory.getUint32(at + 20, true),
      size: directory.getUint32(at + 24, true),
      local: directory.getUint32(at + 42, true),
      nameLength: nameLength,
      name: names.decode(new Uint8Array(directory.buffer, at + 46, nameLength)),
    });
    at += 46 + nameLength + directory.getUint16(at + 30, true) + directory.getUint16(at + 32, true);
  }
  return entries.sort((a, b) => a.local - b.local);
}

// Consecutive entries (by where they lie) whose local headers and data are read in one go.
function receiptsZipGroups(file, entries) {
  const groups = [];
  let group = null;
  for (const entry of entries) {
    // An entry too large to hold is streamed from the package on its own (receiptsZipData).
    const held = entry.compressed > receiptsGroupBytes ? 0 : entry.compressed;
    const end = Math.min(file.size,
      entry.local + 30 + entry.nameLength + receiptsLocalSlack + held);
    if (!group || group.entries.length === receiptsGroupCount ||
        end - group.start > receiptsGroupBytes) {
      group = {start: entry.local, end: end, entries: []};
      groups.push(group);
    }
    group.end = Math.max(group.end, end);
    group.entries.push(entry);
  }
  return groups;
}

async function receiptsReadZipGroup(file, group) {
  return new Uint8Array(await file.slice(group.start, group.end).arrayBuffer());
}

// An entry's compressed bytes from its group's, or a slice of the package to stream when they
// are too many to hold; a string saying why when they can't be had.
async function receiptsZipData(file, group, bytes, entry) {
  const at = entry.local - group.start;
  const damaged = 'no se pudo descomprimir: encabezado dañado';
  if (at + 30 > bytes.length) return damaged;
  const header = new DataView(bytes.buffer, bytes.byteOffset + at, 30);
  if (header.getUint32(0, true) !== 0x04034b50) return damaged;
  const skip = at + 30 + header.getUint16(26, true) + header.getUint16(28, true);
  const from = group.start + skip;
  if (entry.compressed > receiptsGroupBytes) return file.slice(from, from + entry.compressed);
  // Past the end of the package the data is cut short, as a read of its own would find it.
  if (skip + entry.compressed <= bytes.length || group.start + bytes.length === file.size) {
    const start = Math.min(skip, bytes.length);
    return bytes.subarray(start, Math.min(skip + entry.compressed, bytes.length));
  }
  // An extra field longer than the slack: the data on its own.
  return new Uint8Array(await file.slice(from, from + entry.compressed).arrayBuffer());
}

// The entry's bytes, inflated as a stream; a string saying why when they can't be had.
async function receiptsZipEntry(file, group, bytes, entry) {
  const largest = _isr_receipts_largest();
  if (entry.size > largest) return receiptsTooLarge();
  const data = await receiptsZipData(file, group, bytes, entry);
  if (typeof data === 'string') return data;
  const streamed = data instanceof Blob;
  if (entry.method === 0) {
    if (!streamed) return data;
    return data.size > largest ? receiptsTooLarge() : new Uint8Array(await data.arrayBuffer());
  }
  if (entry.method !== 8) return 'no se pudo descomprimir: método ' + entry.method;
  const inflate = new DecompressionStream('deflate-raw');
  let stream = null;
  if (streamed) {
    stream = data.stream().pipeThrough(inflate);
  } else {
    // Written straight into the stream: a blob between them would be another read of the
    // browser's.
    const writer = inflate.writable.getWriter();
    writer.write(data).catch(() => {});
    writer.close().catch(() => {});
    stream = inflate.readable;
  }
  const reader = stream.getReader();
  const pieces = [];
  let total = 0;
  try {
    for (;;) {
      const {done, value} = await reader.read();
      if (done) break;
      total += value.length;
      if (total > largest) {
        reader.cancel();
        return receiptsTooLarge();
      }
      pieces.push(value);
    }
  } catch (error) {
    return 'no se pudo descomprimir: datos dañados';
  }
  if (pieces.length === 1) return pieces[0];
  const inflated = new Uint8Array(total);
  let at = 0;
  for (const piece of pieces) {
    inflated.set(piece, at);
    at += piece.length;
  }
  return inflated;
}

// ---- The run ----

// Lets the page answer once a turn is over; false once the run was cancelled or replaced. The
// turn ends with a message to itself, not a timer: timers set from a timer wait at least 4 ms
// after the fifth.
async function receiptsTurn(token) {
  if (performance.now() - receiptsRun.turn > receiptTurnMs) {
    receiptsProgress();
    await new Promise((resolve) => {
      receiptsRun.yielded.port1.onmessage = resolve;
      receiptsRun.yielded.port2.postMessage(null);
    });
    receiptsRun.turn = performance.now();
  }
  return token === receiptsRun.token;
}

function receiptsProgress() {
  receiptsElement('lblRecibos').textContent =
    'Leyendo… ' + receiptsRun.documents.toLocaleString('es-MX') + ' documentos';
  receiptsGather();
}

// The report so far leaves the core's memory.
function receiptsGather() {
  const size = _isr_receipts_report_size();
  if (size === 0) return;
  const at = _isr_receipts_report();
  receiptsRun.parts.push(HEAPU8.slice(at, at + size));
  _isr_receipts_report_taken();
}

// Reads ahead of the parser: `read(group)` for up to receiptsGroupsAhead of the groups (an
// iterable) at once, null when the read failed, each handed to `take(group, result)` in order;
// false once the run was cancelled or replaced.
async function receiptsInOrder(groups, read, take) {
  const pending = [];
  const next = groups[Symbol.iterator]();
  let more = true;
  while (more || pending.length > 0) {
    while (more && pending.length < receiptsGroupsAhead) {
      const {done, value} = next.next();
      more = !done;
      if (more) pending.push([value, read(value).catch(() => null)]);
    }
    const [group, result] = pending.shift();
    if (!(await take(group, await result))) return false;
  }
  return true;
}

// Files side by side in the order given, up to receiptsGroupCount or receiptsGroupBytes each;
// made as they are read, for asking a file's size keeps the page waiting on the browser.
function* receiptsFileGroups(files) {
  let group = [];
  let bytes = 0;
  for (const file of files) {
    if (group.length === receiptsGroupCount || (group.length > 0 &&
        bytes + file.size > receiptsGroupBytes)) {
      yield group;
      group = [];
      bytes = 0;
    }
    group.push(file);
    bytes += file.size;
  }
  if (group.length > 0) yield group;
}

// The group's files in one read, cut apart by their sizes; each read alone when that fails (one
// may have changed or gone since it was chosen), so that only that one says so.
async function receiptsReadFiles(group) {
  const largest = _isr_receipts_largest();
  const wanted = group.filter((file) => file.size <= largest);
  let buffer = null;
  try {
    buffer = await new Blob(wanted).arrayBuffer();
  } catch (error) {
    buffer = null;
  }
  const alone = buffer ? null : await Promise.all(wanted.map((file) =>
    file.arrayBuffer().then((bytes) => new Uint8Array(bytes), () => null)));
  let at = 0;
  let next = 0;
  return group.map((file) => {
    if (file.size > largest) return receiptsTooLarge();
    if (alone) return alone[next++];
    at += file.size;
    return new Uint8Array(buffer, at - file.size, file.size);
  });
}

function receiptsReadXml(token, files) {
  return receiptsInOrder(receiptsFileGroups(files), receiptsReadFiles, async (group, read) => {
    for (let i = 0; i < group.length; ++i) {
      if (!(await receiptsTake(token, receiptsName(group[i]), read ? read[i] : null))) {
        return false;
      }
    }
    return true;
  });
}

async function receiptsReadZip(token, name, file) {
  let entries = null;
  try {
    entries = await receiptsZipEntries(file);
  } catch (error) {
    entries = null;
  }
  if (!entries) {
    return receiptsTake(token, name, 'no es un ZIP que se pueda leer');
  }
  const documents = entries.filter((entry) => !entry.name.endsWith('/') &&
    receiptsEndsWith(entry.name, '.xml'));
  return receiptsInOrder(receiptsZipGroups(file, documents),
    (group) => receiptsReadZipGroup(file, group), async (group, bytes) => {
      for (const entry of group.entries) {
        const inflated = bytes ? await receiptsZipEntry(file, group, bytes, entry)
          .catch(() => null) : null;
        if (!(await receiptsTake(token, name + ':' + entry.name, inflated))) return false;
      }
      return true;
    });
}

// The files chosen, dropped or found in a folder: XML and ZIP files by name, in the order of
// their paths, as the command line reads a folder; a folder's other files are left out.
async function receiptsStart(files, fromFolder) {
  const token = ++receiptsRun.token;
  receiptsStop();
  const chosen = Array.from(files)
    .filter((file) => !fromFolder || receiptsEndsWith(receiptsName(file), '.xml') ||
      receiptsEndsWith(receiptsName(file), '.zip'))
    .sort((a, b) => {
      const [x, y] = [receiptsName(a), receiptsName(b)];
      return x < y ? -1 : x > y ? 1 : 0;
    });
  if (chosen.length === 0) return;
  document.body.dataset.recibos = 'trabajando';
  receiptsElement('cmdCancelarRecibos').disabled = false;
  receiptsElement('recibos-resumen').hidden = true;
  receiptsRun.encoder = receiptsRun.encoder || new TextEncoder();
  receiptsRun.parser = receiptsRun.parser || new DOMParser();
  receiptsRun.waiting = [];
  receiptsRun.waitingBytes = 0;
  receiptsRun.documents = 0;
  receiptsRun.started = performance.now();
  receiptsRun.turn = receiptsRun.started;
  _isr_receipts_begin(receiptsElement('cmbTablas').selectedIndex);
  // Runs of XML files are read ahead together; each ZIP in its turn.
  for (let i = 0; i < chosen.length;) {
    let done;
    if (receiptsEndsWith(receiptsName(chosen[i]), '.zip')) {
      done = await receiptsReadZip(token, receiptsName(chosen[i]), chosen[i]);
      ++i;
    } else {
      let j = i;
      while (j < chosen.length && !receiptsEndsWith(receiptsName(chosen[j]), '.zip')) ++j;
      done = await receiptsReadXml(token, chosen.slice(i, j));
      i = j;
    }
    if (!done) return;
  }
  receiptsParseWaiting();
  receiptsFinish();
}

function receiptsStop() {
  receiptsRun.parts = [];
  if (receiptsRun.url) URL.revokeObjectURL(receiptsRun.url);
  receiptsRun.url = '';
  receiptsElement('lnkRecibos').hidden = true;
  receiptsElement('cmdCancelarRecibos').disabled = true;
}

function receiptsFinish() {
  receiptsGather();
  const seconds = (performance.now() - receiptsRun.started) / 1000;
  const report = new Blob(receiptsRun.parts, {type: 'text/csv'});
  receiptsRun.parts = [];
  receiptsRun.url = URL.createObjectURL(report);
  const link = receiptsElement('lnkRecibos');
  link.href = receiptsRun.url;
  link.download = 'informe.csv';
  link.hidden = false;
  receiptsElement('cmdCancelarRecibos').disabled = true;
  receiptsElement('txtRecibosResumen').textContent = UTF8ToString(_isr_receipts_summary());
  const list = receiptsElement('lstRecibosDifieren');
  list.replaceChildren();
  for (const line of UTF8ToString(_isr_receipts_differing()).split('\n')) {
    if (!line) continue;
    const item = document.createElement('li');
    item.textContent = line;
    list.append(item);
  }
  receiptsElement('lblRecibosDifieren').hidden = list.childElementCount === 0;
  receiptsElement('recibos-resumen').hidden = false;
  const agree = _isr_receipts_all_agree() === 1;
  receiptsElement('lblRecibos').textContent = 'Listo: ' +
    receiptsRun.documents.toLocaleString('es-MX') + ' documentos en ' +
    seconds.toLocaleString('es-MX', {maximumFractionDigits: 2}) + ' s; ' +
    (agree ? 'todos los recibos coinciden.' : 'hay recibos que difieren o no se auditaron.');
  document.body.dataset.recibos = 'listo';
  // The page's own measure, for web/tools: documents read per second.
  document.body.dataset.recibosPorSegundo = String(Math.round(receiptsRun.documents / seconds));
}

// Called by pageLoaded (page.js).
function receiptsLoaded() {
  for (const id of ['archivoRecibos', 'carpetaRecibos']) {
    const input = receiptsElement(id);
    input.addEventListener('change', () => {
      receiptsStart(input.files, id === 'carpetaRecibos');
      input.value = '';
    });
  }
  receiptsElement('cmdCancelarRecibos').addEventListener('click', () => {
    ++receiptsRun.token;
    receiptsStop();
    document.body.dataset.recibos = '';
    receiptsElement('lblRecibos').textContent = 'Cancelado.';
  });
  const zone = receiptsElement('zonaRecibos');
  zone.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.stopPropagation();
    zone.classList.add('encima');
  });
  zone.addEventListener('dragleave', () => zone.classList.remove('encima'));
  zone.addEventListener('drop', (event) => {
    event.preventDefault();
    event.stopPropagation();
    zone.classList.remove('encima');
    receiptsStart(event.dataTransfer.files, false);
  });
}
