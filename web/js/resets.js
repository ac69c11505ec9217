// SPDX-License-Identifier: GPL-3.0-or-later
// Setting one field back: "Reset to default" (Alt+Shift+D) and "Back to the
// last read" (Alt+Shift+L, once a configuration was read, loaded, saved or
// written) in each field's context menu and as keys on the field that has the
// focus; the core runs the field's rule as for a user's pick. Each field's
// tooltip tells its default.

// Not Ctrl+Shift+R (the browser reloads) nor Alt+Shift+R ("Read config"'s access key).
const KEYS = { toDefault: 'Alt+Shift+D', toLastRead: 'Alt+Shift+L' };

function createMenu(texts) {
  const menu = document.createElement('div');
  menu.id = 'Field_menu';
  menu.className = 'field-menu';
  menu.setAttribute('role', 'menu');
  menu.hidden = true;
  const item = (id, text, keys) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = id;
    button.setAttribute('role', 'menuitem');
    button.tabIndex = -1;
    const caption = document.createElement('span');
    caption.textContent = text;
    const shortcut = document.createElement('kbd');
    shortcut.textContent = keys;
    button.append(caption, shortcut);
    button.setAttribute('aria-keyshortcuts', keys);
    menu.append(button);
    return button;
  };
  const toDefault = item('Reset_to_default', texts.resetToDefault, KEYS.toDefault);
  const toLastRead = item('Back_to_last_read', texts.backToLastRead, KEYS.toLastRead);
  document.body.append(menu);
  return { menu, toDefault, toLastRead };
}

export function wireResets({ form, core, refresh, onEdited }) {
  const texts = core.texts();
  for (const [name, control] of form.controls) {
    const note = core.defaultNote(name);
    control.title = control.title ? `${control.title}\n${note}` : note;
  }

  const { menu, toDefault, toLastRead } = createMenu(texts);
  let setting = null;
  const reset = (name, kind) => {
    const done = kind === 'toDefault' ? core.resetToDefault(name) : core.backToLastRead(name);
    if (!done) return;
    refresh();
    onEdited();
  };
  const close = (focusField) => {
    menu.hidden = true;
    if (focusField && setting) form.controls.get(setting).focus();
  };
  const open = (name, x, y) => {
    setting = name;
    const can = core.resets(name);
    toDefault.disabled = !can.toDefault;
    toLastRead.disabled = !can.toLastRead;
    menu.hidden = false;
    const width = menu.offsetWidth;
    const height = menu.offsetHeight;
    menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - height))}px`;
    const first = [toDefault, toLastRead].find((b) => !b.disabled);
    (first || menu).focus();
  };
  const settingOf = (target) => {
    const control = target.closest && target.closest('input, select, textarea');
    return control && form.controls.has(control.id) ? control.id : null;
  };

  document.getElementById('Form').addEventListener('contextmenu', (event) => {
    const name = settingOf(event.target);
    if (!name) return;
    event.preventDefault();
    open(name, event.clientX, event.clientY);
  });
  toDefault.addEventListener('click', () => { close(true); reset(setting, 'toDefault'); });
  toLastRead.addEventListener('click', () => { close(true); reset(setting, 'toLastRead'); });
  menu.tabIndex = -1;
  menu.addEventListener('keydown', (event) => {
    const items = [toDefault, toLastRead].filter((b) => !b.disabled);
    const at = items.indexOf(document.activeElement);
    if (event.key === 'Escape') close(true);
    else if (event.key === 'ArrowDown' && items.length) items[(at + 1) % items.length].focus();
    else if (event.key === 'ArrowUp' && items.length) items[(at + items.length - 1) % items.length].focus();
    else return;
    event.preventDefault();
  });
  menu.addEventListener('focusout', (event) => {
    if (!menu.contains(event.relatedTarget)) menu.hidden = true;
  });

  document.addEventListener('keydown', (event) => {
    if (!event.altKey || !event.shiftKey || event.ctrlKey || event.metaKey) return;
    const kind = event.code === 'KeyD' ? 'toDefault' : event.code === 'KeyL' ? 'toLastRead' : null;
    const name = kind && settingOf(event.target);
    if (!name) return;
    event.preventDefault();
    reset(name, kind);
  });
}
