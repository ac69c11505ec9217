// SPDX-License-Identifier: GPL-3.0-or-later
// The log pane and the progress bar below the pages.

const pane = () => document.getElementById('Memo1');
const bar = () => document.getElementById('ProgressBar1');

export function log(line) {
  const p = pane();
  const entry = document.createElement('div');
  entry.textContent = line;
  p.append(entry);
  p.scrollTop = p.scrollHeight;
}

export function logLines() {
  return [...pane().children].map((e) => e.textContent);
}

export function setProgressRange(minimum, maximum) {
  bar().max = Math.max(1, maximum - minimum);
  bar().dataset.minimum = String(minimum);
}

export function setProgress(position) {
  bar().value = position - Number(bar().dataset.minimum || 0);
}

export function progress() {
  return bar().value + Number(bar().dataset.minimum || 0);
}
