// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: loads the core, builds the form from its description and
// wires the command row, the marks, the files, the device and the helpers.

import { loadCore, describeForm } from './core.js';
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
import { wireSearch } from './search.js';
import { wireResets } from './resets.js';

async function start() {
  const ui = { ...boxes, ...feedback, note: feedback.log, setBusy: () => {} };
  const core = await loadCore(ui);
  const description = describeForm(core);
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
  const device = watchDevice();
  const commands = wireCommands({ form, core, device, refresh });
  ui.setBusy = commands.setBusy;
  wireLists({ form, core, marks, refresh });
  const search = wireSearch({ form, core });
  wireResets({ form, core, refresh, onEdited: marks.schedule });

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
    core, form, description, show: form.show, refresh, search,
    leaveWithoutAsking: () => window.removeEventListener('beforeunload', askBeforeLeaving),
  };
  document.body.dataset.ready = 'true';
  performance.mark('zeru-ready');

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
}

start().catch((failure) => {
  document.getElementById('Loading').textContent = `The configurator could not start: ${failure.message || failure}`;
  document.body.dataset.ready = 'failed';
  throw failure;
});
