// SPDX-License-Identifier: GPL-3.0-or-later
// "Changes" and "Problems: N": the lists of what differs and of what "Write
// config" would refuse, each line leading to its field.

import { createTable, fillTable, createDialog, createButton, closeButton } from './table.js';

function pageCaption(form, name) {
  return (form.pageOf.get(name) || []).map((p) => document.getElementById(`tab-${p}`).textContent).join(' / ');
}

function fieldName(form, name) {
  const label = document.getElementById(`${name}-label`);
  return label ? label.getAttribute('aria-label') || label.textContent.replace(/:$/, '') : name;
}

// Shows the field of `name` with its text selected.
function goTo(form, dialog, name) {
  dialog.close();
  form.show(name);
  const control = form.controls.get(name);
  control.focus();
  if (control.select) control.select();
}

// Lines chosen by a double click or Enter go to their field; a click or Space selects.
function wireRows(table, onOpen, multiple) {
  table.tBodies[0].addEventListener('click', (event) => {
    const row = event.target.closest('tr');
    if (!row) return;
    if (!multiple || !event.ctrlKey) [...row.parentNode.rows].forEach((r) => r.setAttribute('aria-selected', 'false'));
    row.setAttribute('aria-selected', String(row.getAttribute('aria-selected') !== 'true'));
  });
  table.tBodies[0].addEventListener('dblclick', (event) => {
    const row = event.target.closest('tr');
    if (row) onOpen(row.dataset.key);
  });
  table.addEventListener('keydown', (event) => {
    const row = event.target.closest('tr');
    if (!row) return;
    if (event.key === 'Enter') onOpen(row.dataset.key);
    else if (event.key === ' ') {
      event.preventDefault();
      row.setAttribute('aria-selected', String(row.getAttribute('aria-selected') !== 'true'));
    } else if (event.key === 'ArrowDown' && row.nextElementSibling) row.nextElementSibling.focus();
    else if (event.key === 'ArrowUp' && row.previousElementSibling) row.previousElementSibling.focus();
  });
}
const focusable = (table) => [...table.tBodies[0].rows].forEach((r) => {
  r.tabIndex = 0;
  r.setAttribute('aria-selected', 'false');
});

export function wireLists({ form, core, marks, refresh }) {
  // Problems
  const problemsButton = document.getElementById('Button_problems');
  const problems = createDialog('Problems_window', 'Problems');
  const problemTable = createTable(['Page', 'Field', 'Problem'], 'Problems');
  problemTable.id = 'Problems_list';
  const problemBox = document.createElement('div');
  problemBox.className = 'list-box';
  problemBox.append(problemTable);
  const problemButtons = document.createElement('div');
  problemButtons.className = 'dialog-buttons';
  problemButtons.append(closeButton(problems));
  problems.append(problemBox, problemButtons);
  wireRows(problemTable, (name) => goTo(form, problems, name), false);
  const fillProblems = (list) => {
    fillTable(problemTable, list.map((p) => ({
      key: p.setting,
      className: p.severity,
      cells: [pageCaption(form, p.setting), fieldName(form, p.setting),
        `${p.severity === 'error' ? 'Error' : 'Warning'}: ${p.message}`],
    })));
    focusable(problemTable);
  };
  problemsButton.addEventListener('click', () => {
    fillProblems(marks.problems());
    problems.showModal();
  });

  // Changes: against the last configuration read, loaded, saved or written,
  // or against the defaults, a file or the device.
  const changes = createDialog('Changes_window', 'Changes');
  const chooserLabel = document.createElement('label');
  chooserLabel.htmlFor = 'Changes_reference';
  chooserLabel.textContent = 'Compare with:';
  const chooser = document.createElement('select');
  chooser.id = 'Changes_reference';
  for (const [value, text] of [['baseline', 'Last read, loaded, saved or written'], ['defaults', 'Defaults'],
    ['file', 'A file...'], ['device', 'The device']]) {
    chooser.append(Object.assign(document.createElement('option'), { value, textContent: text }));
  }
  const fileInput = Object.assign(document.createElement('input'), { type: 'file', accept: '.cfg', hidden: true });
  const chooserRow = document.createElement('p');
  chooserRow.className = 'dialog-row';
  chooserRow.append(chooserLabel, chooser, fileInput);
  let otherName = 'Was';
  const changeTable = createTable(['Page', 'Field', 'Was', 'Now'], 'Differences');
  changeTable.id = 'Changes_list';
  const changeBox = document.createElement('div');
  changeBox.className = 'list-box';
  changeBox.append(changeTable);
  const summary = document.createElement('p');
  summary.id = 'Changes_summary';
  summary.setAttribute('role', 'status');
  const selected = () => [...changeTable.tBodies[0].rows]
    .filter((r) => r.getAttribute('aria-selected') === 'true').map((r) => r.dataset.key);
  const fillChanges = () => {
    const list = core.comparison();
    changeTable.tHead.rows[0].cells[2].textContent = otherName;
    fillTable(changeTable, list.map((c) => ({
      key: c.setting,
      cells: [pageCaption(form, c.setting), fieldName(form, c.setting), c.before, c.after],
    })));
    focusable(changeTable);
    const n = list.length;
    summary.textContent = n === 0 ? 'No differences.' : n === 1 ? '1 setting differs.' : `${n} settings differ.`;
  };
  const compareWith = async (reference) => {
    if (reference === 'baseline') {
      core.compareWithBaseline();
      otherName = 'Was';
    } else if (reference === 'defaults') {
      core.compareWithDefaults();
      otherName = 'Defaults';
    } else if (reference === 'file') {
      fileInput.value = '';
      fileInput.click();
      return;  // goes on when a file is chosen
    } else if (reference === 'device') {
      changes.inert = true;
      const read = await core.compareWithDevice();
      changes.inert = false;
      if (read) otherName = 'Device';
      else chooser.value = core.reference();
    }
    fillChanges();
  };
  chooser.addEventListener('change', () => compareWith(chooser.value));
  fileInput.addEventListener('change', async () => {
    const [file] = fileInput.files;
    if (file && core.compareWithFile(new Uint8Array(await file.arrayBuffer()), file.name)) otherName = file.name;
    chooser.value = core.reference();
    fillChanges();
  });
  const revert = (names) => {
    if (!names.length) return;
    core.revert(names);
    refresh();
    fillChanges();
  };
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  const revertButton = createButton('Revert', 'Changes_revert', () => revert(selected()));
  revertButton.title = 'Puts the selected settings back to the values they are compared with.';
  const revertAll = createButton('Revert all', 'Changes_revert_all',
    () => revert(core.comparison().map((c) => c.setting)));
  revertAll.title = 'Puts every listed setting back to the value it is compared with.';
  buttons.append(revertButton, revertAll, closeButton(changes));
  changes.append(chooserRow, changeBox, summary, buttons);
  wireRows(changeTable, (name) => goTo(form, changes, name), true);
  document.getElementById('Button_changes').addEventListener('click', () => {
    chooser.value = core.reference();
    fillChanges();
    changes.showModal();
  });
  // Edits made while the list is closed show when it opens again.
  changes.addEventListener('close', () => marks.update());

  marks.onUpdate(({ problems: list, changes: pending }) => {
    problemsButton.textContent = `Problems: ${list.length}`;
    problemsButton.disabled = false;
    const changesButton = document.getElementById('Button_changes');
    changesButton.disabled = false;
    changesButton.textContent = pending.length ? `Changes: ${pending.length}` : 'Changes';
  });
}
