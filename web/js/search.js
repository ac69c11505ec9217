// SPDX-License-Identifier: GPL-3.0-or-later
// The search box (Ctrl+K or /): the settings the core finds as the user
// types, best first, each with its place and value. Enter or a click goes to
// the field (its page and tab shown), marks it briefly and puts the focus in
// it; Escape closes the box and gives the focus back.

const MOST_HITS = 40;
const HIGHLIGHT_MS = 1500;

// Marks a field for a moment, so that the eye finds it on its page.
export function highlightBriefly(control) {
  const box = control.closest('.control') || control;
  box.classList.remove('found');
  void box.offsetWidth; // restarts the mark when the same field is found twice
  box.classList.add('found');
  setTimeout(() => box.classList.remove('found'), HIGHLIGHT_MS);
}

function createBox() {
  const box = document.createElement('div');
  box.id = 'Search';
  box.className = 'search';
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-label', 'Find a setting');
  box.hidden = true;
  const line = document.createElement('input');
  line.id = 'Search_line';
  line.type = 'search';
  line.placeholder = 'Find a setting';
  line.setAttribute('aria-label', 'Find a setting');
  line.setAttribute('role', 'combobox');
  line.setAttribute('aria-controls', 'Search_hits');
  line.setAttribute('aria-expanded', 'true');
  line.autocomplete = 'off';
  line.spellcheck = false;
  const hits = document.createElement('ul');
  hits.id = 'Search_hits';
  hits.setAttribute('role', 'listbox');
  hits.setAttribute('aria-label', 'Settings found');
  box.append(line, hits);
  document.body.append(box);
  return { box, line, hits };
}

export function wireSearch({ form, core }) {
  const { box, line, hits } = createBox();
  let focusBefore = null;
  let current = -1;

  const choose = (index) => {
    const items = [...hits.children];
    items.forEach((item, i) => item.setAttribute('aria-selected', String(i === index)));
    current = items.length ? index : -1;
    if (current >= 0) {
      line.setAttribute('aria-activedescendant', items[current].id);
      items[current].scrollIntoView({ block: 'nearest' });
    } else {
      line.removeAttribute('aria-activedescendant');
    }
  };
  const list = () => {
    hits.replaceChildren(...core.find(line.value, MOST_HITS).map((hit, i) => {
      const item = document.createElement('li');
      item.id = `Search_hit_${i}`;
      item.setAttribute('role', 'option');
      item.dataset.setting = hit.setting;
      item.title = hit.key;
      const place = document.createElement('span');
      place.className = 'place';
      place.textContent = hit.place;
      item.append(place);
      if (hit.value) {
        const value = document.createElement('span');
        value.className = 'value';
        value.textContent = hit.value;
        item.append(value);
      }
      return item;
    }));
    choose(hits.children.length ? 0 : -1);
  };
  const close = () => {
    box.hidden = true;
    if (focusBefore && focusBefore.isConnected) focusBefore.focus();
  };
  const goTo = (index) => {
    const item = hits.children[index < 0 ? 0 : index];
    if (!item) return;
    box.hidden = true;
    const name = item.dataset.setting;
    form.show(name);
    const control = form.controls.get(name);
    control.focus();
    if (control.select) control.select();
    highlightBriefly(control);
  };
  const open = () => {
    if (box.hidden) focusBefore = document.activeElement;
    box.hidden = false;
    line.focus();
    line.select();
    list();
  };

  line.addEventListener('input', list);
  line.addEventListener('keydown', (event) => {
    const count = hits.children.length;
    if (event.key === 'Escape') close();
    else if (event.key === 'Enter') goTo(current);
    else if (event.key === 'ArrowDown' && current + 1 < count) choose(current + 1);
    else if (event.key === 'ArrowUp' && current > 0) choose(current - 1);
    else return;
    event.preventDefault();
  });
  // mousedown: the line keeps the focus until the field takes it.
  hits.addEventListener('mousedown', (event) => {
    const item = event.target.closest('li');
    if (!item) return;
    event.preventDefault();
    goTo([...hits.children].indexOf(item));
  });
  box.addEventListener('focusout', (event) => {
    if (!box.contains(event.relatedTarget)) box.hidden = true;
  });

  const typing = (target) => target.matches('input, textarea, select, [contenteditable]');
  document.addEventListener('keydown', (event) => {
    const ctrlK = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'k';
    const slash = event.key === '/' && !event.ctrlKey && !event.metaKey && !event.altKey && !typing(event.target);
    if (!ctrlK && !slash) return;
    if (document.querySelector('dialog[open]')) return;  // a box or a list has the page
    event.preventDefault();
    open();
  });
  return { open, close };
}
