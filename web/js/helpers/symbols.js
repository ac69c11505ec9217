// SPDX-License-Identifier: GPL-3.0-or-later
// "Symbols…" beside "Symbol table:": both APRS symbol tables, searched as
// one types; choosing a symbol fills the table and code fields. Beside them
// the current symbol reads like "/> Car".

import { besideField, helperButton, liveText, follow } from './common.js';
import { createDialog, createButton } from '../table.js';

function pickerDialog(core, choose) {
  const dialog = createDialog('Symbol_picker', 'APRS symbol');
  const label = document.createElement('label');
  label.htmlFor = 'Symbol_search';
  label.textContent = 'Search:';
  const search = document.createElement('input');
  search.type = 'search';
  search.id = 'Symbol_search';
  search.placeholder = 'car, weather, /> ...';
  const list = document.createElement('select');
  list.id = 'Symbol_list';
  list.size = 14;
  list.setAttribute('aria-label', 'Symbols');
  const symbols = [...core.symbols('/'), ...core.symbols('\\')];
  for (const s of symbols) {
    const option = document.createElement('option');
    option.value = `${s.table}${s.code}`;
    option.textContent = `${s.table}${s.code}   ${s.description}${s.takesOverlay ? '   [overlay 0-9, A-Z]' : ''}`;
    option.disabled = s.use === 'not-for-use';
    option.dataset.overlay = s.takesOverlay ? '1' : '';
    list.append(option);
  }
  const overlayLabel = document.createElement('label');
  overlayLabel.htmlFor = 'Symbol_overlay';
  overlayLabel.textContent = 'Overlay:';
  const overlay = document.createElement('select');
  overlay.id = 'Symbol_overlay';
  for (const c of ['\\', ...'0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ']) {
    const option = document.createElement('option');
    option.value = c;
    option.textContent = c === '\\' ? 'none (\\)' : c;
    overlay.append(option);
  }
  const ok = createButton('OK', 'Symbol_ok', () => {
    const chosen = list.selectedOptions[0];
    if (!chosen) return;
    const [table, code] = chosen.value;
    dialog.close();
    choose(table === '\\' ? overlay.value : table, code);
  });
  const follow_ = () => {
    const chosen = list.selectedOptions[0];
    ok.disabled = !chosen || chosen.hidden;
    overlay.disabled = !chosen || !chosen.dataset.overlay;
  };
  search.addEventListener('input', () => {
    const words = search.value.trim().toLowerCase();
    for (const option of list.options) option.hidden = Boolean(words) && !option.textContent.toLowerCase().includes(words);
    follow_();
  });
  list.addEventListener('change', follow_);
  list.addEventListener('dblclick', () => ok.click());
  list.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') ok.click();
  });
  const row = (...items) => {
    const p = document.createElement('p');
    p.className = 'dialog-row';
    p.append(...items);
    return p;
  };
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  buttons.append(ok, createButton('Cancel', 'Symbol_cancel', () => dialog.close()));
  dialog.append(row(label, search), list, row(overlayLabel, overlay), buttons);
  return {
    open(table, code) {
      search.value = '';
      for (const option of list.options) option.hidden = false;
      const overlaid = /^[0-9A-Z]$/.test(table);
      list.value = `${overlaid ? '\\' : table}${code}`;
      overlay.value = overlaid ? table : '\\';
      follow_();
      dialog.showModal();
      search.focus();
    },
  };
}

export function wireSymbols(form, core, setValue) {
  const { Position_symbol_table: tableName, Position_symbol_code: codeName } = core.setting;
  const table = form.controls.get(tableName);
  const code = form.controls.get(codeName);
  const button = helperButton('Symbols…', 'Button_symbol_picker',
    'Choose the symbol from the APRS symbol tables.', 'Choose symbol');
  const description = liveText('Symbol_description', 'Symbol');
  besideField(form, tableName, description);
  description.before(button);
  follow(form, [tableName, codeName], () => {
    description.textContent = core.describeSymbol(table.value, code.value);
  });
  let picker = null;
  button.addEventListener('click', () => {
    picker = picker || pickerDialog(core, (t, c) => {
      setValue(tableName, t);
      setValue(codeName, c);
      document.dispatchEvent(new Event('zeru-settings-shown'));
    });
    picker.open(table.value, code.value);
  });
}
