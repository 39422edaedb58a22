// SPDX-License-Identifier: MIT
// Binds the card "Aguinaldo, PTU y primas" to its calculation in the core (src/web/
// payment_card.cpp): its amount inputs to the entry rules, its lists and its button to the core.
// Shares one scope with page.js and Emscripten's runtime.
'use strict';

const paymentRules = {
  keyTyped: (index, key) => _isr_payment_key_typed(index, key),
  textChanged: (index) => _isr_payment_text_changed(index),
  focusIn: (index) => _isr_payment_focus_in(index),
  focusOut: (index) => _isr_payment_focus_out(index),
};

// Called by the core for each of the card's amount inputs.
function bindPaymentInput(input, index) {
  bindAmountInput(input, index, paymentRules);
}

// Called by page.js once the page's own inputs are bound. A click on the card's button makes the
// card part of the printed record, and the live region reads its outcome.
function paymentLoaded() {
  _isr_payment_loaded();
  document.getElementById('cmbConcepto').addEventListener('change',
    () => _isr_payment_concept_chosen());
  const button = document.getElementById('cmdPago');
  button.addEventListener('click', () => {
    button.focus();
    _isr_payment_calculate();
    const card = document.getElementById('pago');
    card.classList.add('usado');
    document.getElementById('pago-fecha').textContent = recordDate.format(new Date());
    document.getElementById('anuncio').textContent =
      document.getElementById('lblPago').textContent ||
      document.getElementById('lblPagoMenor').textContent;
  });
}
