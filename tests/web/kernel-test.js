// SPDX-License-Identifier: GPL-3.0-or-later
// Added to the page for the kernel run (kernel_read.py): once a device
// granted by policy shows, "Read config", then the log and the box go back to
// the server.
const until = (condition) => new Promise((resolve) => {
  const check = () => (condition() ? resolve() : setTimeout(check, 200));
  check();
});
const report = (result) => fetch('report', { method: 'POST', body: JSON.stringify(result) });
const progress = (step) => fetch('progress', { method: 'POST', body: step });

(async () => {
  const started = performance.now();
  progress('script running');
  await until(() => document.body.dataset.ready);
  progress(`page ${document.body.dataset.ready}`);
  if (document.body.dataset.ready !== 'true') {
    await report({ log: [`the page did not start: ${document.getElementById('Loading').textContent}`] });
    return;
  }
  await until(() => document.getElementById('Device_status').textContent === 'Device: connected'
    || performance.now() - started > 60000);
  progress(document.getElementById('Device_status').textContent);
  document.getElementById('Button_read_config').click();
  await until(() => document.getElementById('Message_box').open || !document.body.classList.contains('busy'));
  await until(() => document.getElementById('Message_box').open || performance.now() - started > 300000);
  await report({
    status: document.getElementById('Device_status').textContent,
    log: [...document.querySelectorAll('#Memo1 > *')].map((e) => e.textContent),
    box: document.getElementById('Message_box').open ? document.getElementById('Message_text').textContent : null,
  });
})().catch((e) => report({ log: [`failure: ${e}`] }));
