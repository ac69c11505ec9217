// SPDX-License-Identifier: GPL-3.0-or-later
// The command row: "Read config", "Write config", "Upload firmware", "Save to
// file", "Read from file" and "Backups". Each runs the core's own flow; while
// one runs the buttons are disabled, so that no second command starts.

import { download } from './download.js';
import { openBackups } from './backups.js';
import { error, settled } from './dialogs.js';

const COMMANDS = ['Button_read_config', 'Button_write_config', 'Button_upload_firmware',
  'Button_save_to_file', 'Button_read_from_file', 'Button_backups'];
const DEVICE_COMMANDS = COMMANDS.slice(0, 3);

export function wireCommands({ form, core, device, refresh }) {
  const button = (id) => document.getElementById(id);
  let running = false;

  const setBusy = (busy) => {
    document.body.classList.toggle('busy', busy);
    // The core waits inside a command for the device: the form stays as it
    // is meanwhile, as in the window.
    document.getElementById('Form').inert = busy;
    for (const id of COMMANDS) {
      button(id).disabled = busy || (DEVICE_COMMANDS.includes(id) && !device.available);
    }
  };
  // Runs `work` as the one command of the moment; the form shows the core's
  // settings afterwards, whatever the outcome, and the field that `work`
  // names (a refused one).
  const run = async (work) => {
    if (running) return;
    running = true;
    setBusy(true);
    let refused;
    try {
      refused = await work();
    } catch (failure) {
      await error(String(failure && failure.message ? failure.message : failure));
    } finally {
      refresh();
      device.recheck();
      running = false;
      setBusy(false);
    }
    if (refused) await showRefused(refused);
  };
  // After a refusal box: the field concerned, its text selected.
  const showRefused = async (setting) => {
    const control = setting && form.controls.get(setting);
    if (!control) return;
    await settled();
    form.show(setting);
    control.focus();
    if (control.select) control.select();
  };

  const readFile = async (file) => {
    const bytes = new Uint8Array(await file.arrayBuffer());
    await core.readFromFile(bytes, file.name);
  };

  const handlers = {
    Button_read_config: () => run(async () => { await core.readConfig(); }),
    Button_write_config: () => run(async () => (await core.writeConfig()).setting || undefined),
    Button_upload_firmware: () => run(async () => { await core.uploadFirmware(); }),
    Button_save_to_file: () => run(async () => {
      const file = core.saveToFile();
      if (file.saved) download(file.bytes, file.name, 'text/plain');
      return file.saved ? undefined : file.refusedSetting;
    }),
    Button_read_from_file: () => {
      const input = document.getElementById('File_input');
      input.value = '';
      input.click();
    },
    Button_backups: () => run(async () => { await openBackups(core); }),
  };
  for (const [id, handler] of Object.entries(handlers)) button(id).addEventListener('click', handler);

  document.getElementById('File_input').addEventListener('change', (event) => {
    const [file] = event.target.files;
    if (file) run(() => readFile(file));
  });
  // A .cfg file dropped anywhere on the page is read as "Read from file" reads it.
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    const [file] = event.dataTransfer.files;
    if (!file) return;
    event.preventDefault();
    run(() => readFile(file));
  });

  device.onChange(() => setBusy(running));
  setBusy(false);
  // The core's own request (an upload disables the buttons) changes nothing
  // more: every command already runs with the buttons disabled.
  return { run, setBusy: (busy) => setBusy(running || Boolean(busy)) };
}
