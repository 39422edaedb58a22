// SPDX-License-Identifier: MIT
// The card "Nómina completa (CSV)" (src/web/payroll.cpp). On the page, a chosen or dropped file
// goes to a worker that runs this same script and program, so that the page stays free while it
// works and Cancelar can stop it at once; the results come back a chunk at a time and become one
// file, downloaded from memory. Where the browser lets the page write a file the user chooses
// ("Guardar los resultados en…"), they go into that file as they come instead, so that a payroll
// of hundreds of megabytes is not held in memory; the file takes them only once the run has
// finished. In the worker, the core reads the file in slices and hands back results, the rows
// done and the summary. Nothing is sent anywhere. Shares one scope with page.js and Emscripten's
// runtime.
'use strict';

const inPayrollWorker = typeof document === 'undefined';

// ---- In the worker ----

// The file and the tables to run, and where the next slice starts.
const payrollJob = {file: null, tables: 0, position: 0, reader: null, ready: false, shown: 0};
// Filled by the core at the end of a run.
let payrollSummary = null;

if (inPayrollWorker) {
  self.onmessage = (event) => {
    payrollJob.file = event.data.file;
    payrollJob.tables = event.data.tables;
    payrollStartJob();
  };
}

// Called by the core once the runtime is up: the file may have come first.
function payrollWorkerReady() {
  payrollJob.ready = true;
  payrollStartJob();
}

function payrollStartJob() {
  if (!payrollJob.ready || !payrollJob.file) return;
  payrollJob.reader = new FileReaderSync();
  payrollSummary = {rows: '', badRows: '', totalsLabel: '', totals: [], messages: []};
  _isr_payroll_run(payrollJob.tables);
}

// Up to `size` bytes of the file into the heap at `into`; 0 at its end, -1 when it cannot be read
// (it was moved, changed or removed since it was chosen, or it is not a file).
function payrollRead(into, size) {
  const file = payrollJob.file;
  if (payrollJob.position >= file.size) {
    // A file removed since it was chosen has no size any more, and fails only when read whole.
    if (file.size === 0) {
      try {
        payrollJob.reader.readAsArrayBuffer(file);
      } catch (error) {
        return -1;
      }
    }
    return 0;
  }
  let bytes;
  try {
    bytes = new Uint8Array(payrollJob.reader.readAsArrayBuffer(
      file.slice(payrollJob.position, payrollJob.position + size)));
  } catch (error) {
    return -1;
  }
  // A slice of a file that has changed since it was chosen may read as nothing.
  if (bytes.length === 0) return -1;
  HEAPU8.set(bytes, into);
  payrollJob.position += bytes.length;
  return bytes.length;
}

function payrollWrite(pointer, size) {
  const bytes = HEAPU8.slice(pointer, pointer + size);
  self.postMessage({kind: 'output', bytes: bytes}, [bytes.buffer]);
}

// A few times a second is enough for a progress bar.
function payrollProgress(rows) {
  const now = performance.now();
  if (now - payrollJob.shown < 100) return;
  payrollJob.shown = now;
  self.postMessage({kind: 'progress', rows: rows, bytes: payrollJob.position});
}

function payrollDone(outcome, finished) {
  self.postMessage({kind: 'done', outcome: outcome, finished: finished, summary: payrollSummary,
    heap: HEAP8.length});
}

// ---- On the page ----

// The page's own script, which the worker runs too; read while it first runs.
const payrollScript = inPayrollWorker ? null : document.currentScript;
const payrollRun = {worker: null, parts: [], pending: [], pendingBytes: 0, started: 0, url: '',
  name: '', scriptUrl: '', target: null, file: null};

function payrollElement(id) {
  return document.getElementById(id);
}

// "1 fila", "12,345 filas": the count as the core writes it.
function payrollRows(rows) {
  return rows + (rows === '1' ? ' fila' : ' filas');
}

// Whether the card holds a run, in hand or finished: then it names the tables that run took.
function payrollHoldsRun() {
  const state = document.body.dataset.nomina;
  return state === 'trabajando' || state === 'listo';
}

function payrollState(state, message) {
  document.body.dataset.nomina = state;
  payrollElement('lblNomina').textContent = message;
  payrollElement('cmdCancelarNomina').disabled = state !== 'trabajando';
  payrollElement('zonaNomina').setAttribute('aria-busy', state === 'trabajando');
  // With no run left, the card names the tables the next one takes.
  if (!payrollHoldsRun()) _isr_payroll_tables_chosen();
}

// Ends the run in hand, if any: its worker and what it had written go, and a file it was writing
// keeps what it held before.
function payrollStop() {
  if (payrollRun.worker) payrollRun.worker.terminate();
  payrollRun.worker = null;
  payrollRun.parts = [];
  payrollRun.pending = [];
  payrollRun.pendingBytes = 0;
  if (payrollRun.file) payrollAbandon(payrollRun.file);
  payrollRun.file = null;
}

// The file chosen for the results; the choice before stands if the dialog is closed.
async function payrollChooseTarget() {
  try {
    payrollRun.target = await window.showSaveFilePicker({suggestedName: 'resultados.csv',
      types: [{description: 'CSV', accept: {'text/csv': ['.csv']}}]});
  } catch (error) {
    return;
  }
  payrollNoteTarget('Los resultados se escribirán en ', ' mientras se calculan.');
}

function payrollNoteTarget(before, after) {
  const note = payrollElement('lblDestinoNomina');
  note.textContent = before + payrollRun.target.name + after;
  note.hidden = false;
}

// A run's writer into the chosen file: the browser writes aside and replaces the file on close.
// Its writes are chained, so that they land in order.
function payrollOpenTarget() {
  const opened = payrollRun.target.createWritable();
  return {opened: opened, chain: opened};
}

function payrollWriteOut(file, bytes) {
  file.chain = file.chain.then(() => file.opened).then((writable) => writable.write(bytes));
}

async function payrollCommit(file) {
  await file.chain;
  await (await file.opened).close();
}

function payrollAbandon(file) {
  file.chain.catch(() => {}).then(() => file.opened).then((writable) => writable.abort())
    .catch(() => {});
}

function payrollStart(file) {
  payrollStop();
  if (payrollRun.url) URL.revokeObjectURL(payrollRun.url);
  payrollRun.url = '';
  payrollElement('lnkNomina').hidden = true;
  payrollElement('nomina-resumen').hidden = true;
  const progress = payrollElement('prgNomina');
  progress.max = Math.max(file.size, 1);
  progress.value = 0;
  payrollElement('lblNominaAvance').textContent = '';
  payrollRun.name = file.name;
  if (!payrollRun.scriptUrl) {
    payrollRun.scriptUrl = URL.createObjectURL(
      new Blob([payrollScript.textContent], {type: 'text/javascript'}));
  }
  const worker = new Worker(payrollRun.scriptUrl);
  worker.onmessage = (event) => payrollMessage(event.data);
  worker.onerror = (event) => {
    event.preventDefault();
    payrollStop();
    payrollState('error', 'No se pudo terminar el cálculo de la nómina: ' + event.message);
  };
  payrollRun.worker = worker;
  if (payrollRun.target) {
    payrollRun.file = payrollOpenTarget();
    payrollNoteTarget('Los resultados se escribirán en ', ' mientras se calculan.');
  }
  payrollRun.started = performance.now();
  // The tables sent are the ones named, whatever the list says later.
  _isr_payroll_tables_chosen();
  payrollState('trabajando', 'Calculando ' + file.name + '…');
  worker.postMessage({file: file, tables: payrollElement('cmbTablas').selectedIndex});
}

function payrollGather() {
  payrollRun.parts.push(new Blob(payrollRun.pending));
  payrollRun.pending = [];
  payrollRun.pendingBytes = 0;
}

function payrollMessage(message) {
  if (message.kind === 'output' && payrollRun.file) {
    payrollWriteOut(payrollRun.file, message.bytes);
  } else if (message.kind === 'output') {
    // Gathered into a blob every few megabytes, so that the last step has little left to copy.
    payrollRun.pending.push(message.bytes);
    payrollRun.pendingBytes += message.bytes.length;
    if (payrollRun.pendingBytes >= 8 << 20) payrollGather();
  } else if (message.kind === 'progress') {
    payrollElement('prgNomina').value = message.bytes;
    payrollElement('lblNominaAvance').textContent = payrollRows(message.rows);
  } else {
    payrollFinished(message);
  }
}

function payrollFinished(done) {
  payrollGather();
  const parts = payrollRun.parts;
  const file = done.finished ? payrollRun.file : null;
  if (file) payrollRun.file = null;  // it is committed, not abandoned
  payrollStop();
  document.body.dataset.nominaMs = Math.round(performance.now() - payrollRun.started);
  document.body.dataset.nominaMemoria = done.heap;
  if (!done.finished) {
    payrollState('error', done.outcome);
    return;
  }
  if (!file) {
    payrollRun.url = URL.createObjectURL(new Blob(parts, {type: 'text/csv'}));
    const link = payrollElement('lnkNomina');
    link.href = payrollRun.url;
    link.download = payrollRun.name.replace(/\.csv$/i, '') + '-resultados.csv';
    link.hidden = false;
    payrollShow(done);
    return;
  }
  // At work until the file holds the results: Cancelar, or another run, still abandons it.
  payrollRun.file = file;
  payrollCommit(file).then(() => {
    if (payrollRun.file !== file) return;
    payrollRun.file = null;
    payrollNoteTarget('Los resultados están en ', '.');
    payrollShow(done);
  }, (error) => {
    if (payrollRun.file !== file) return;
    payrollStop();
    payrollState('error', 'No se pudo escribir ' + payrollRun.target.name + ': ' + error.message);
  });
}

function payrollShow(done) {
  const summary = done.summary;
  const progress = payrollElement('prgNomina');
  progress.value = progress.max;
  payrollElement('lblNominaAvance').textContent = payrollRows(summary.rows);
  payrollElement('txtNominaFilas').textContent = summary.rows;
  payrollElement('txtNominaMalas').textContent = summary.badRows;
  const totals = payrollElement('lstNominaTotales');
  totals.setAttribute('aria-label', summary.totalsLabel);
  totals.replaceChildren();
  for (const total of summary.totals) {
    const caption = document.createElement('dt');
    caption.textContent = total[0];
    const figure = document.createElement('dd');
    figure.textContent = total[1];
    totals.append(caption, figure);
  }
  const errors = payrollElement('lstNominaErrores');
  errors.replaceChildren();
  for (const text of summary.messages) {
    const item = document.createElement('li');
    item.textContent = text;
    errors.append(item);
  }
  payrollElement('lblNominaErrores').hidden = summary.messages.length === 0;
  payrollElement('nomina-resumen').hidden = false;
  payrollState('listo', done.outcome);
}

// Whether a drag carries files, as opposed to text for an amount input.
function carriesFiles(event) {
  return Array.prototype.indexOf.call(event.dataTransfer.types, 'Files') >= 0;
}

// Called by page.js once the page is bound.
function payrollLoaded() {
  _isr_payroll_tables_chosen();
  payrollElement('cmbTablas').addEventListener('change', () => {
    if (!payrollHoldsRun()) _isr_payroll_tables_chosen();
  });
  if (window.showSaveFilePicker) {
    const choose = payrollElement('cmdDestinoNomina');
    choose.hidden = false;
    choose.addEventListener('click', payrollChooseTarget);
  }
  const input = payrollElement('archivoNomina');
  input.addEventListener('change', () => {
    if (input.files.length > 0) payrollStart(input.files[0]);
    // The same file chosen again, after it changed, is another run.
    input.value = '';
  });
  payrollElement('cmdCancelarNomina').addEventListener('click', () => {
    payrollStop();
    payrollState('cancelado', 'Cancelado: no hay resultados.');
    payrollElement('archivoNomina').focus();
  });
  // A file dropped anywhere else would replace the page, and what it holds, with the file.
  const zone = payrollElement('zonaNomina');
  document.addEventListener('dragover', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    const inZone = zone.contains(event.target);
    event.dataTransfer.dropEffect = inZone ? 'copy' : 'none';
    zone.classList.toggle('encima', inZone);
  });
  document.addEventListener('dragleave', (event) => {
    if (!zone.contains(event.relatedTarget)) zone.classList.remove('encima');
  });
  document.addEventListener('drop', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    zone.classList.remove('encima');
    if (zone.contains(event.target) && event.dataTransfer.files.length > 0) {
      payrollStart(event.dataTransfer.files[0]);
    }
  });
}
