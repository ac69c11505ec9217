// SPDX-License-Identifier: GPL-3.0-or-later
// "Chart…" in the "SmartBeaconing:" group: the report interval and the turn
// threshold against speed, from the core's figures for the seven fields, and
// what the device does at a chosen speed. The curves differ in line style.

import { helperButton } from './common.js';
import { createDialog, createTable, fillTable, closeButton } from '../table.js';

const SVG = 'http://www.w3.org/2000/svg';
const W = 560;
const H = 300;
const M = { left: 56, right: 52, top: 16, bottom: 40 };

function svg(tag, attributes, text) {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
  if (text !== undefined) e.textContent = text;
  return e;
}

// Round steps for an axis up to `top`.
function ticks(top, count = 5) {
  const raw = top / count;
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((f) => f * power).find((s) => s >= raw);
  const out = [];
  for (let v = 0; v <= top + 1e-9; v += step) out.push(v);
  return out;
}

function drawChart(chart) {
  const picture = svg('svg', { viewBox: `0 0 ${W} ${H}`, role: 'img', class: 'chart' });
  picture.append(svg('title', {}, 'SmartBeaconing chart'));
  const x0 = M.left;
  const x1 = W - M.right;
  const y0 = H - M.bottom;
  const y1 = M.top;
  const maxInterval = Math.max(...chart.curve.map((p) => p.interval), 1);
  const x = (v) => x0 + ((x1 - x0) * v) / chart.topSpeed;
  const yl = (v) => y0 - ((y0 - y1) * v) / maxInterval;
  const yr = (v) => y0 - ((y0 - y1) * Math.min(v, 180)) / 180;
  const axes = svg('g', { class: 'axes' });
  axes.append(svg('path', { d: `M${x0},${y1}V${y0}H${x1}V${y1}` }));
  for (const v of ticks(chart.topSpeed)) {
    axes.append(svg('text', { x: x(v), y: y0 + 16, 'text-anchor': 'middle' }, String(v)));
  }
  for (const v of ticks(maxInterval)) axes.append(svg('text', { x: x0 - 6, y: yl(v) + 4, 'text-anchor': 'end' }, String(v)));
  for (const v of [0, 45, 90, 135, 180]) axes.append(svg('text', { x: x1 + 6, y: yr(v) + 4 }, `${v}°`));
  axes.append(svg('text', { x: (x0 + x1) / 2, y: H - 4, 'text-anchor': 'middle' }, 'Speed [km/h]'));
  const interval = chart.curve.map((p) => `${x(p.speed)},${yl(p.interval)}`).join(' ');
  const turn = chart.curve.filter((p) => p.turnThreshold !== null)
    .map((p) => `${x(p.speed)},${yr(p.turnThreshold)}`).join(' ');
  picture.append(axes,
    svg('polyline', { points: interval, class: 'curve-interval' }),
    svg('polyline', { points: turn, class: 'curve-turn' }),
    svg('text', { x: x0 + 8, y: y1 + 14, class: 'legend-interval' }, 'Interval [s], left'),
    svg('text', { x: x1 - 8, y: y1 + 14, 'text-anchor': 'end', class: 'legend-turn' }, 'Turn threshold [°], right'));
  return picture;
}

function chartDialog(form, core) {
  const dialog = createDialog('Smartbeaconing_chart', 'SmartBeaconing');
  const area = document.createElement('div');
  area.className = 'chart-area';
  const speedLabel = document.createElement('label');
  speedLabel.htmlFor = 'Chart_speed';
  speedLabel.textContent = 'Speed [km/h]:';
  const speed = document.createElement('input');
  speed.type = 'number';
  speed.id = 'Chart_speed';
  speed.min = '0';
  speed.max = '300';
  speed.value = '50';
  const distance = document.createElement('output');
  distance.id = 'Chart_distance';
  distance.setAttribute('aria-label', 'At this speed');
  const table = createTable(['Speed [km/h]', 'Interval [s]', 'Turn [°]', 'Distance'], 'SmartBeaconing table');
  table.id = 'Chart_table';
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  buttons.append(closeButton(dialog));
  const row = document.createElement('p');
  row.className = 'dialog-row';
  row.append(speedLabel, speed, distance);
  dialog.append(area, row, table, buttons);

  const texts = () => core.smartBeaconingSettings().map((n) => form.controls.get(n).value);
  const update = () => {
    const chart = core.smartBeaconing(texts(), 100);
    if (!chart) {
      area.replaceChildren(Object.assign(document.createElement('p'), {
        textContent: 'The chart needs whole numbers in all seven SmartBeaconing fields.' }));
      distance.textContent = '';
      fillTable(table, []);
      return;
    }
    area.replaceChildren(drawChart(chart));
    const v = Number(speed.value) || 0;
    distance.textContent = `At ${v} km/h: ${core.distanceAt(texts(), v)}.`;
    const whole = (n) => (n === null ? '-' : String(Math.round(n)));
    fillTable(table, chart.table.map((r) => ({
      key: r.speed, cells: [r.speed, whole(r.interval), whole(r.turnThreshold), r.description] })));
  };
  speed.addEventListener('input', update);
  for (const n of core.smartBeaconingSettings()) form.controls.get(n).addEventListener('input', update);
  return { dialog, update };
}

export function wireChart(form, core) {
  const button = helperButton('Chart…', 'Button_smartbeaconing_chart',
    'How often the tracker will beacon at each speed.', 'SmartBeaconing chart');
  const [first] = core.smartBeaconingSettings();
  form.controls.get(first).closest('.group').append(button);
  let chart = null;
  button.addEventListener('click', () => {
    chart = chart || chartDialog(form, core);
    chart.update();
    chart.dialog.showModal();
  });
}
