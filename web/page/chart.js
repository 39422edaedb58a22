// SPDX-License-Identifier: MIT
// Draws the core's chart (src/web/chart.cpp) as inline SVG: the core hands over the axes' ticks,
// the points where a row changes and the marks, each with its figures and their texts; this
// script only places them, and asks the core for the figures wherever the pointer or the keyboard
// is. Shares one scope with page.js and Emscripten's runtime.
'use strict';

const chart = {
  xTop: 1, yBottom: 0, yTop: 1, subsidySum: false, days: '', ticks: [[], []], points: [], marks: [],
  at: null, reading: null, pending: false,
};

// Where the plot sits in the drawing, in CSS pixels.
function chartFrame() {
  const width = Math.max(document.getElementById('grafica-lienzo').clientWidth, 240);
  const height = width < 480 ? 240 : 320;
  const longest = Math.max(...chart.ticks[1].map((t) => t.text.length), 1);
  const left = 14 + longest * 7;
  return {width, height, left, right: width - 14, top: 12, bottom: height - 30};
}

function chartX(frame, cents) {
  return frame.left + cents / chart.xTop * (frame.right - frame.left);
}

function chartY(frame, cents) {
  return frame.bottom - (cents - chart.yBottom) / (chart.yTop - chart.yBottom) *
    (frame.bottom - frame.top);
}

// Called by the core: a new drawing begins, over incomes from 0 to xTop and figures from yBottom
// to yTop (cents).
// subsidySum: the period's net adds the subsidy sum (the core says which periods take one).
// days: thousandths of a day of the days card's calculation by `method`, or 0 for the period's.
function chartBegin(xTop, yBottom, yTop, subsidySum, days, method) {
  Object.assign(chart, {xTop, yBottom, yTop, subsidySum, ticks: [[], []], points: [], marks: [],
    days: days ? `${days / 1000} días pagados, método ${method}` : ''});
}

function chartTick(vertical, value, text) {
  chart.ticks[vertical].push({value, text});
}

// texts: the income, the tax, the subsidy and the net as the page shows them.
function chartPoint(base, tax, net, texts) {
  chart.points.push({base, tax, net, texts});
}

// net 0: the base calculated, on the income; 1: the net a gross-up was asked for.
function chartMark(net, value, text) {
  chart.marks.push({net, value, text});
}

function chartEnd() {
  chartDraw();
  chartTable();
}

const svgNumber = (value) => (Math.round(value * 10) / 10).toString();

function chartDraw() {
  const frame = chartFrame();
  const x = (cents) => svgNumber(chartX(frame, cents));
  const y = (cents) => svgNumber(chartY(frame, cents));
  const parts = [];
  // Labels of every tick while they fit; on a narrow screen of every other one back from the
  // top, and of the origin.
  const every = frame.right - frame.left < 360 ? 2 : 1;
  chart.ticks[1].forEach((t) => {
    parts.push(`<line class="rejilla marca-y" data-valor="${t.value}" x1="${frame.left}" ` +
      `x2="${frame.right}" y1="${y(t.value)}" y2="${y(t.value)}"/>` +
      `<text class="etiqueta" x="${frame.left - 6}" y="${y(t.value)}" dy="0.32em" ` +
      `text-anchor="end">${t.text}</text>`);
  });
  chart.ticks[0].forEach((t, i) => {
    parts.push(`<line class="eje marca-x" data-valor="${t.value}" x1="${x(t.value)}" ` +
      `x2="${x(t.value)}" y1="${frame.bottom}" y2="${frame.bottom + 5}"/>`);
    if (i === 0 || (chart.ticks[0].length - 1 - i) % every === 0) {
      const anchor = i === 0 ? 'start' : (i === chart.ticks[0].length - 1 ? 'end' : 'middle');
      parts.push(`<text class="etiqueta" x="${x(t.value)}" y="${frame.bottom + 19}" ` +
        `text-anchor="${anchor}">${t.text}</text>`);
    }
  });
  parts.push(`<line class="eje" x1="${frame.left}" x2="${frame.right}" ` +
    `y1="${y(Math.max(chart.yBottom, 0))}" y2="${y(Math.max(chart.yBottom, 0))}"/>`);
  // (Emscripten's old minifier takes no destructuring.)
  for (const line of [{id: 'linea-impuesto', figure: 'tax'}, {id: 'linea-neto', figure: 'net'}]) {
    const points = chart.points.map((p) => `${x(p.base)},${y(p[line.figure])}`).join(' ');
    parts.push(`<polyline id="${line.id}" points="${points}"/>`);
  }
  for (const mark of chart.marks) {
    if (mark.net) {
      parts.push(`<line id="marca-neto" class="marca" x1="${frame.left}" x2="${frame.right}" ` +
        `y1="${y(mark.value)}" y2="${y(mark.value)}"/>` +
        `<text class="etiqueta rotulo" x="${frame.left + 4}" y="${y(mark.value) - 4}">` +
        `Neto buscado ${mark.text}</text>`);
    } else {
      const right = chartX(frame, mark.value) > (frame.left + frame.right) / 2;
      parts.push(`<line id="marca-base" class="marca" x1="${x(mark.value)}" ` +
        `x2="${x(mark.value)}" y1="${frame.top}" y2="${frame.bottom}"/>` +
        `<text class="etiqueta rotulo" x="${svgNumber(chartX(frame, mark.value) + (right ? -4 : 4))}" ` +
        `y="${frame.top + 10}" text-anchor="${right ? 'end' : 'start'}">${mark.text}</text>`);
    }
  }
  parts.push('<g id="cursor"></g>');
  const svg = document.getElementById('grafica-svg');
  svg.setAttribute('viewBox', `0 0 ${frame.width} ${frame.height}`);
  svg.setAttribute('width', frame.width);
  svg.setAttribute('height', frame.height);
  svg.innerHTML = parts.join('');
  chartCursor(frame);
  const slider = document.getElementById('grafica-lienzo');
  slider.setAttribute('aria-valuemax', String(chart.xTop / 100));
}

// The same points as a table, for a screen reader.
function chartTable() {
  const rows = chart.points.map((p) => `<tr><th scope="row">${p.texts[0]}</th>` +
    `<td>${p.texts[1]}</td><td>${p.texts[2]}</td><td>${p.texts[3]}</td></tr>`);
  document.getElementById('grafica-filas').innerHTML = rows.join('');
  const list = (id) => document.getElementById(id);
  const top = chart.ticks[0].at(-1);
  list('grafica-pie').textContent = `Neto (el ingreso menos el Procedimiento 2016, en línea ` +
    `continua) e Impuesto Determinado (en línea discontinua) según el Ingreso Gravable, de 0 a ` +
    `${top ? top.text : '0'}: ${chart.days || list('cmbTarifa').value}, tablas ${list('cmbTablas').value}. ` +
    (chart.subsidySum ? 'El neto suma la Suma Subsidio para el Empleo.'
      : 'Donde el subsidio para el empleo cambia de fila, el neto da un escalón vertical.');
}

// The figures at one income, from the core (isr_chart_at).
function chartReading(base, tax, net, texts) {
  chart.reading = {base, tax, net, texts};
  const words = `Ingreso Gravable ${texts[0]}: Impuesto Determinado ${texts[1]}, ` +
    `${chart.subsidySum ? 'Suma Subsidio' : 'Subsidio'} ` +
    `${texts[2]}, Neto ${texts[3]}.`;
  document.getElementById('grafica-lectura').textContent = words;
  const slider = document.getElementById('grafica-lienzo');
  slider.setAttribute('aria-valuenow', String(base / 100));
  slider.setAttribute('aria-valuetext', words);
  chartCursor(chartFrame());
}

function chartCursor(frame) {
  const cursor = document.getElementById('cursor');
  const r = chart.reading;
  if (!cursor || !r || r.base > chart.xTop) {
    if (cursor) cursor.innerHTML = '';
    return;
  }
  const x = svgNumber(chartX(frame, r.base));
  cursor.innerHTML = `<line class="cursor" x1="${x}" x2="${x}" y1="${frame.top}" ` +
    `y2="${frame.bottom}"/><circle class="punto-neto" cx="${x}" ` +
    `cy="${svgNumber(chartY(frame, r.net))}" r="4"/><circle class="punto-impuesto" cx="${x}" ` +
    `cy="${svgNumber(chartY(frame, r.tax))}" r="4"/>`;
}

function chartWidening() {
  return Number(document.getElementById('cmbRango').value);
}

// The figures at an income, or at none.
function chartReadAt(cents) {
  chart.at = cents === null ? null : Math.min(Math.max(Math.round(cents), 0), chart.xTop);
  if (chart.at === null) {
    chart.reading = null;
    document.getElementById('grafica-lectura').textContent = '';
    chartCursor(chartFrame());
    return;
  }
  _isr_chart_at(chart.at);
}

function chartRedraw(core) {
  core();
  if (chart.at !== null) chartReadAt(chart.at);
}

// After a click on a button, with the boxes it wrote: the new base and its marks. grossUp 2: the
// days card's button, whose calculation the chart draws.
function chartCalculated(grossUp) {
  chart.pending = false;
  chartRedraw(() => grossUp === 2 ? _isr_chart_days(chartWidening())
    : _isr_chart_calculated(grossUp, chartWidening()));
}

// Keys on the chart: the arrows a hundredth of the range, Page Up and Page Down to the next and
// the previous point where a row changes, Home and End to the ends.
// Where the keyboard starts: at the base calculated, or at no income.
function chartStart() {
  const base = chart.marks.find((m) => !m.net);
  return base ? base.value : 0;
}

function chartKey(event) {
  const at = chart.at === null ? chartStart() : chart.at;
  const step = Math.max(Math.round(chart.xTop / 100), 1);
  const bases = chart.points.map((p) => p.base);
  const moves = {
    ArrowRight: () => at + step, ArrowUp: () => at + step,
    ArrowLeft: () => at - step, ArrowDown: () => at - step,
    PageUp: () => { const b = bases.find((b) => b > at); return b === undefined ? chart.xTop : b; },
    PageDown: () => { const b = bases.findLast((b) => b < at); return b === undefined ? 0 : b; },
    Home: () => 0, End: () => chart.xTop,
  };
  if (!(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey) return;
  event.preventDefault();
  chartReadAt(moves[event.key]());
}

// Called by pageLoaded once the core has filled the lists: the chart follows every choice and
// every click after the page's own handlers have run.
function chartLoaded() {
  const byId = (id) => document.getElementById(id);
  for (const id of ['cmbTarifa', 'cmbTablas', 'cmbRango']) {
    byId(id).addEventListener('change', () => chartRedraw(
      () => _isr_chart_draw(chartWidening(), id === 'cmbTarifa' ? 1 : 0)));
  }
  // The boxes answer the click at once; the chart follows before the next frame is painted.
  for (const button of [{id: 'cmdCalc', grossUp: 0}, {id: 'cmdNeto', grossUp: 1},
    {id: 'cmdDias', grossUp: 2}]) {
    byId(button.id).addEventListener('click', () => {
      chart.pending = true;
      requestAnimationFrame(() => chartCalculated(button.grossUp));
    });
  }
  const slider = byId('grafica-lienzo');
  slider.addEventListener('keydown', chartKey);
  slider.addEventListener('focus', () => {
    if (chart.at === null) chartReadAt(chartStart());
  });
  slider.addEventListener('pointermove', (event) => {
    const frame = chartFrame();
    const box = byId('grafica-svg').getBoundingClientRect();
    chartReadAt((event.clientX - box.left - frame.left) / (frame.right - frame.left) *
      chart.xTop);
  });
  // A new width draws the same points anew, without the core.
  let width = slider.clientWidth;
  new ResizeObserver(() => {
    if (slider.clientWidth === width) return;
    width = slider.clientWidth;
    chartDraw();
  }).observe(slider);
  _isr_chart_draw(chartWidening(), 0);
}
