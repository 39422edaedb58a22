// SPDX-License-Identifier: MIT
// Binds the card "Días pagados" to its calculation in the core (src/web/days_card.cpp). Shares
// one scope with page.js and Emscripten's runtime.
'use strict';

// Called by page.js once the page's own inputs are bound. A click on the card's button makes the
// card part of the printed record, and the live region reads its outcome.
function daysLoaded() {
  _isr_days_loaded();
  const button = document.getElementById('cmdDias');
  button.addEventListener('click', () => {
    button.focus();
    _isr_days_calculate();
    document.getElementById('dias').classList.add('usado');
    document.getElementById('anuncio').textContent =
      document.getElementById('lblDias').textContent ||
      'Procedimiento 2016 ' + document.getElementById('dias-procedimiento_2016').value;
  });
}
