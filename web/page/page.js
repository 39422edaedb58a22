// SPDX-License-Identifier: MIT
// Binds the page to the calculator compiled from C++: every event of an amount input goes to the
// core's rule for that event, a click on Calcular to the core's calculation. Nothing here decides
// what an amount is or what a box shows. This script shares one scope with Emscripten's runtime:
// its names must not be the runtime's (run, main, ready...).
'use strict';

// The core's rules for the calculation's amount inputs; a card with inputs of its own hands its
// own to bindAmountInput.
const amountRules = {
  keyTyped: (index, key) => _isr_key_typed(index, key),
  textChanged: (index) => _isr_text_changed(index),
  focusIn: (index) => _isr_focus_in(index),
  focusOut: (index) => _isr_focus_out(index),
};

// One amount input: `index` is its place in the core's list of inputs that `rules` (by default
// amountRules) apply.
function bindAmountInput(input, index, rules) {
  const core = rules || amountRules;
  // Each typed character goes through the key rule before it reaches the input, backspace too;
  // the rule may itself move the caret or write the text ("." on "0" gives "0."). A character it
  // lets through is inserted where the caret is now, by a command the browser can undo (and that
  // some browsers announce with a beforeinput of its own, which is not ruled again).
  let inserting = false;
  input.addEventListener('beforeinput', (event) => {
    if (inserting) return;
    if (event.inputType === 'deleteContentBackward') {
      if (!core.keyTyped(index, 8)) event.preventDefault();
      return;
    }
    if (event.inputType !== 'insertText' || event.data === null) return;
    event.preventDefault();
    for (const character of event.data) {
      if (!core.keyTyped(index, character.codePointAt(0))) continue;
      inserting = true;
      document.execCommand('insertText', false, character);
      inserting = false;
    }
  });
  // Every change, typed, pasted, dropped, autofilled or undone, goes through the change rule.
  input.addEventListener('input', () => core.textChanged(index));

  // However the person comes to the input (Tab, a click, the window becoming active again), its
  // whole text is selected, and the first click keeps that selection: it must not place a caret
  // inside the amount that the typed one would join. Once they type or click, a click places the
  // caret as usual.
  let keepSelectionOnPress = false;
  input.addEventListener('mousedown', (event) => {
    if (input.disabled || event.button !== 0) return;
    const coming = document.activeElement !== input || !document.hasFocus();
    if (!coming && !keepSelectionOnPress) return;
    event.preventDefault();
    if (document.activeElement !== input) input.focus();
    keepSelectionOnPress = false;
  });
  input.addEventListener('keydown', () => {
    keepSelectionOnPress = false;
  });
  // Another window taking over and handing back leaves the input, as far as its text goes, where
  // it was: it is formatted only when the person goes to another control.
  input.addEventListener('focus', () => {
    core.focusIn(index);
    keepSelectionOnPress = true;
  });
  input.addEventListener('blur', () => {
    if (document.activeElement !== input) core.focusOut(index);
  });
}

// Boxes read out with their captions, for the screen reader.
function figures(ids) {
  return ids.map((id) => {
    const box = document.getElementById(id);
    return `${box.labels[0].textContent.replace(/\s+/g, ' ').trim()}: ${box.value}.`;
  }).join(' ');
}

// Made once: a formatter takes longer to make than a whole calculation.
const recordDate = new Intl.DateTimeFormat('es-MX', {dateStyle: 'long', timeStyle: 'short'});

// As a click on the window's button: the button takes the focus, as in the window (the core
// formats the inputs before it reads them). Then the record's date, whether the gross-up belongs
// in it, and what the live region says.
function clickThrough(button, coreClick, announcement) {
  button.focus();
  coreClick();
  document.getElementById('fecha').textContent = recordDate.format(new Date());
  document.getElementById('neto').classList.toggle('usado', button.id === 'cmdNeto');
  document.getElementById('anuncio').textContent = announcement();
}

// Called by the core once the lists are filled and the amount inputs bound.
function pageLoaded() {
  document.getElementById('cmbTarifa').addEventListener('change', () => _isr_period_chosen());
  document.getElementById('cmbTablas').addEventListener('change', () => _isr_tables_chosen());
  const calculate = document.getElementById('cmdCalc');
  calculate.addEventListener('click', () => clickThrough(calculate, _isr_calculate,
    () => figures(['txtISR08-4', 'txtSUB08-2', 'txtRet08-0'])));
  const grossUp = document.getElementById('cmdNeto');
  grossUp.addEventListener('click', () => clickThrough(grossUp, _isr_gross_up,
    () => document.getElementById('lblNeto').textContent ||
      figures(['txtBase', 'txtRet08-0', 'txtNeto', 'txtExacto'])));
  // Alt+C, as in the window, in every browser (an accesskey attribute would be Alt+Shift+C in
  // some); Enter calculates nothing.
  document.addEventListener('keydown', (event) => {
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.code === 'KeyC') {
      event.preventDefault();
      calculate.click();
    }
  });
  chartLoaded();
  paymentLoaded();
  daysLoaded();
  payrollLoaded();
  receiptsLoaded();
  document.body.removeAttribute('aria-busy');
  document.body.dataset.ready = '';
  performance.mark('isr2016-ready');
}
