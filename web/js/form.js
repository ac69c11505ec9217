// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the pages of settings from the core's description of the form:
// pages and their sub-pages as tabs, groups as fieldsets, every setting a
// labelled control whose id is the setting's name.

import { createTabs } from './tabs.js';

// A two-line field for long texts (beacon messages) that takes no line break.
const MULTILINE_FROM = 64;

function createControl(setting) {
  let control;
  if (setting.kind === 'choice') {
    control = document.createElement('select');
    setting.choices.forEach((text, index) => {
      const option = document.createElement('option');
      option.value = String(index);
      option.textContent = text;
      control.append(option);
    });
  } else if (setting.maxLength >= MULTILINE_FROM) {
    control = document.createElement('textarea');
    control.rows = 2;
    control.maxLength = setting.maxLength;
    control.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') event.preventDefault();
    });
  } else {
    control = document.createElement('input');
    control.type = 'text';
    control.maxLength = setting.maxLength;
    control.size = Math.max(2, setting.maxLength);
    control.spellcheck = false;
    control.autocomplete = 'off';
  }
  control.id = setting.name;
  control.name = setting.name;
  control.dataset.kind = setting.kind;
  if (setting.tooltip) control.title = setting.tooltip;
  return control;
}

// One setting: its label, its control and the places of its two marks. In a
// record (`prefix` "Beacon 1") the label shows only the rest of the name.
function createField(setting, prefix) {
  const field = document.createElement('div');
  field.className = 'field';
  field.dataset.setting = setting.name;
  const label = document.createElement('label');
  label.htmlFor = setting.name;
  label.id = `${setting.name}-label`;
  if (setting.label) {
    label.textContent = setting.label;
    // The label alone is ambiguous in a column of rows: the full name is read out.
    if (setting.spokenName && setting.spokenName !== setting.label.replace(/:$/, '')) {
      label.setAttribute('aria-label', setting.spokenName);
    }
  } else if (prefix) {
    const hidden = document.createElement('span');
    hidden.className = 'visually-hidden';
    hidden.textContent = `${prefix} `;
    label.append(hidden, setting.spokenName.slice(prefix.length + 1));
  } else {
    // Where the window has a column header, the page names the field in full.
    label.textContent = setting.spokenName || setting.name;
  }
  field.append(label, createMarkedControl(setting));
  return field;
}

// A control between the places of its change mark and its problem mark.
function createMarkedControl(setting) {
  const control = createControl(setting);
  const change = document.createElement('span');
  change.className = 'mark mark-change';
  change.id = `${setting.name}-change`;
  change.hidden = true;
  const problem = document.createElement('span');
  problem.className = 'mark mark-problem';
  problem.id = `${setting.name}-problem`;
  problem.hidden = true;
  const box = document.createElement('span');
  box.className = 'control';
  box.append(change, control, problem);
  return box;
}

// The SSID of an address entry joins its call on one line, as "call - SSID".
function appendSsid(field, setting) {
  const label = document.createElement('label');
  label.htmlFor = setting.name;
  label.id = `${setting.name}-label`;
  label.className = 'visually-hidden';
  label.textContent = setting.spokenName;
  const dash = document.createElement('span');
  dash.className = 'dash';
  dash.setAttribute('aria-hidden', 'true');
  dash.textContent = '-';
  field.dataset.ssid = setting.name;
  field.append(dash, label, createMarkedControl(setting));
}

const isSsidOf = (call, ssid) => Boolean(call && ssid && !ssid.label
  && ssid.spokenName === `${call.spokenName} SSID`);

// Rows of a table in the window ("Beacon 1", "Alias 3"): runs of at least
// three unlabelled fields whose names start alike. Returns [{prefix, settings}].
function splitRecords(settings) {
  const prefixOf = (s) => {
    const m = !s.label && /^(.+? \d+) \S/.exec(s.spokenName || '');
    return m ? m[1] : null;
  };
  const runs = [];
  for (const setting of settings) {
    const prefix = prefixOf(setting);
    const last = runs[runs.length - 1];
    if (prefix && last && last.prefix === prefix) last.settings.push(setting);
    else runs.push({ prefix, settings: [setting] });
  }
  return runs.flatMap((run) => (run.prefix && run.settings.length >= 3 ? [run]
    : run.settings.map((s) => ({ prefix: null, settings: [s] }))));
}

function createGroup(group) {
  const set = document.createElement(group.caption ? 'fieldset' : 'div');
  set.className = 'group';
  if (group.name) set.id = group.name;
  if (group.caption) {
    const legend = document.createElement('legend');
    legend.textContent = group.caption;
    set.append(legend);
  }
  let grid = null;
  let previous = null;
  for (const run of splitRecords(group.settings)) {
    if (run.prefix) {
      const record = document.createElement('fieldset');
      record.className = 'record';
      const legend = document.createElement('legend');
      legend.textContent = run.prefix;
      record.append(legend, ...run.settings.map((s) => createField(s, run.prefix)));
      set.append(record);
      grid = null;
      previous = null;
      continue;
    }
    if (!grid) {
      grid = document.createElement('div');
      grid.className = 'fields';
      set.append(grid);
    }
    const [setting] = run.settings;
    if (isSsidOf(previous, setting)) {
      appendSsid(grid.lastElementChild, setting);
    } else {
      grid.append(createField(setting, null));
    }
    previous = setting;
  }
  return set;
}

// Fills `host` with the pages; returns {controls: Map name -> control,
// pageOf: Map name -> [page names, outermost first], show(pageName)}.
export function buildForm(host, description) {
  const controls = new Map();
  const pageOf = new Map();
  const pagePath = new Map();
  const tabSets = [];

  const buildPage = (page, trail) => {
    const panel = document.createElement('section');
    panel.className = 'page';
    const path = [...trail, page.name];
    pagePath.set(page.name, path);
    if (page.pages.length) {
      const nested = createTabs(panel, page.caption, page.pages, (sub) => buildPage(sub, path));
      tabSets.push(nested);
      return panel;
    }
    for (const group of page.groups) {
      panel.append(createGroup(group));
      for (const setting of group.settings) pageOf.set(setting.name, path);
    }
    return panel;
  };
  const top = createTabs(host, 'Settings', description.pages, (page) => buildPage(page, []));
  tabSets.unshift(top);
  for (const name of pageOf.keys()) controls.set(name, host.querySelector(`#${name}`));

  // Shows the page that holds `name` (a setting or a page), outermost first.
  const show = (name) => {
    const path = pageOf.get(name) || pagePath.get(name) || [];
    for (const page of path) tabSets.some((t) => t.select(page));
    return path;
  };
  return { controls, pageOf, show, tabs: tabSets.flatMap((t) => t.tabs) };
}
