// SPDX-License-Identifier: GPL-3.0-or-later
// A list of rows in a dialog, each row a button-like line that can be chosen
// with the keyboard (Enter or Space) or a click.

export function createTable(headers, caption) {
  const table = document.createElement('table');
  if (caption) {
    const c = document.createElement('caption');
    c.className = 'visually-hidden';
    c.textContent = caption;
    table.append(c);
  }
  const head = table.createTHead().insertRow();
  for (const h of headers) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = h;
    head.append(th);
  }
  table.createTBody();
  return table;
}

// Replaces the rows: `rows` is [{cells: [text], key, className}].
export function fillTable(table, rows) {
  const body = table.tBodies[0];
  body.replaceChildren();
  for (const row of rows) {
    const tr = body.insertRow();
    tr.dataset.key = row.key;
    if (row.className) tr.className = row.className;
    for (const text of row.cells) tr.insertCell().textContent = text;
  }
}

export function createDialog(id, title) {
  const dialog = document.createElement('dialog');
  dialog.id = id;
  const heading = document.createElement('h2');
  heading.id = `${id}_title`;
  heading.textContent = title;
  dialog.setAttribute('aria-labelledby', heading.id);
  dialog.append(heading);
  document.body.append(dialog);
  return dialog;
}

export function createButton(caption, id, onClick) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = caption;
  if (id) button.id = id;
  if (onClick) button.addEventListener('click', onClick);
  return button;
}

export function closeButton(dialog) {
  return createButton('Close', `${dialog.id}_close`, () => dialog.close());
}
