// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: loads the core, builds the form from its description and
// wires the command row, the marks, the files, the device and the helpers.

import { loadCore } from './core.js';
import * as boxes from './dialogs.js';
import * as feedback from './log.js';
import { buildForm } from './form.js';
import { wireFields } from './fields.js';
import { createMarks } from './marks.js';
import { wireCommands } from './commands.js';
import { watchDevice } from './device.js';
import { wireLists } from './lists.js';
import { addPageButtons } from './page-buttons.js';
import { wireHelpers } from './helpers.js';

async function start() {
  const ui = { ...boxes, ...feedback };
  const core = await loadCore(ui);
  const description = core.description();
  document.title = `${description.title} ${description.version}`;
  document.getElementById('Title').textContent = document.title;
  boxes.setApplicationTitle(document.title);

  const main = document.getElementById('Form');
  main.replaceChildren();
  const form = buildForm(main, description);
  const marks = createMarks(form, core);
  const fields = wireFields(form, core, { information: boxes.information, onEdited: marks.schedule });
  const refresh = () => {
    fields.refresh();
    marks.update();
  };
  addPageButtons(form, core, refresh);
  wireHelpers(form, core, refresh);
  const device = watchDevice(core);
  wireCommands({ form, core, device, refresh });
  wireLists({ form, core, marks, refresh });

  // Changes neither saved nor written: the browser asks before the page goes
  // (in its own words; a page cannot ask "Save changes to a file before closing?").
  const askBeforeLeaving = (event) => {
    if (core.hasUnsavedChanges()) event.preventDefault();
  };
  window.addEventListener('beforeunload', askBeforeLeaving);

  refresh();
  main.removeAttribute('aria-busy');
  // Tests and the browser's console reach the page through this.
  window.zeruPage = {
    core, form, show: form.show, refresh,
    leaveWithoutAsking: () => window.removeEventListener('beforeunload', askBeforeLeaving),
  };
  document.body.dataset.ready = 'true';

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
}

start().catch((failure) => {
  document.getElementById('Loading').textContent = `The configurator could not start: ${failure.message || failure}`;
  document.body.dataset.ready = 'failed';
  throw failure;
});
