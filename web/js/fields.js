// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the controls and the core's settings in step: a value typed or picked
// goes to the core at once (a choice runs its rule there, as the window's
// change handler does); the controls show what the core holds.

export function wireFields(form, core, { onEdited }) {
  const { controls } = form;

  const show = (values) => {
    for (const [name, value] of Object.entries(values)) {
      const control = controls.get(name);
      if (!control) continue;
      if (control.tagName === 'SELECT') {
        if (control.selectedIndex !== value) control.selectedIndex = value;
      } else if (control.value !== value) {
        control.value = value;
      }
    }
  };
  const showEnabled = () => {
    for (const [name, control] of controls) {
      const on = core.enabled(name);
      control.disabled = !on;
      control.closest('.field').classList.toggle('disabled', !on);
    }
  };
  // Shows every setting as the core holds it.
  const refresh = () => {
    show(core.values());
    showEnabled();
    // The helpers beside the fields follow values set by the program too.
    document.dispatchEvent(new Event('zeru-settings-shown'));
  };

  const form_ = document.getElementById('Form');
  const onInput = (event) => {
    const control = event.target;
    if (!controls.has(control.id)) return;
    if (control.tagName === 'SELECT') {
      if (event.type !== 'change') return;
      // The choice's rule runs in the core; its message comes as a box.
      core.set(control.id, control.selectedIndex);
      refresh();
    } else {
      core.set(control.id, control.value);
    }
    onEdited();
  };
  form_.addEventListener('input', onInput);
  form_.addEventListener('change', onInput);
  return { refresh };
}
