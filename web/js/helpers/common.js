// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the helpers share: a button or a live text beside a field.

export function besideField(form, name, element) {
  form.controls.get(name).closest('.control').after(element);
  return element;
}

export function helperButton(caption, id, tooltip, spokenName) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'helper';
  button.id = id;
  button.textContent = caption;
  button.title = tooltip;
  if (spokenName) button.setAttribute('aria-label', spokenName);
  return button;
}

export function liveText(id, spokenName) {
  const text = document.createElement('output');
  text.id = id;
  text.className = 'hint';
  text.setAttribute('aria-label', spokenName);
  return text;
}

// Runs `update` now and whenever one of `names` changes, typed or set.
export function follow(form, names, update) {
  for (const name of names) form.controls.get(name).addEventListener('input', update);
  document.addEventListener('zeru-settings-shown', update);
  update();
}
