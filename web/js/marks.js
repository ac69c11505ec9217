// SPDX-License-Identifier: GPL-3.0-or-later
// The marks at the fields and on the tabs: a diamond where a value differs
// from the configuration last read, loaded, saved or written, a disc where
// "Write config" would refuse it, a triangle for advice. A field with a
// problem is aria-invalid and described by its message.

function setMark(mark, text, severity) {
  mark.hidden = text === null;
  mark.replaceChildren();
  if (text === null) {
    delete mark.dataset.severity;
    return;
  }
  if (severity) mark.dataset.severity = severity;
  const words = document.createElement('span');
  words.className = 'visually-hidden';
  words.textContent = text;
  mark.append(words);
  mark.title = text;
}

export function createMarks(form, core) {
  let problems = [];
  let changes = [];
  const listeners = [];

  const update = () => {
    if (core.isRunning()) return;  // the core is inside a command; it is asked again after
    problems = core.problems();
    changes = core.changes();
    const problemOf = new Map();
    for (const p of problems) if (!problemOf.has(p.setting)) problemOf.set(p.setting, p);
    const changeOf = new Map(changes.map((c) => [c.setting, c]));
    const marked = { change: new Set(), error: new Set(), warning: new Set() };

    for (const [name, control] of form.controls) {
      const problem = problemOf.get(name);
      const change = changeOf.get(name);
      const problemMark = document.getElementById(`${name}-problem`);
      const changeMark = document.getElementById(`${name}-change`);
      setMark(problemMark, problem ? problem.message : null, problem && problem.severity);
      setMark(changeMark, change ? `Changed from "${change.before}".` : null);
      if (problem && problem.severity === 'error') {
        control.setAttribute('aria-invalid', 'true');
      } else {
        control.removeAttribute('aria-invalid');
      }
      const described = [problem && problemMark.id, change && changeMark.id].filter(Boolean);
      if (described.length) control.setAttribute('aria-describedby', described.join(' '));
      else control.removeAttribute('aria-describedby');
      const pages = form.pageOf.get(name);
      if (change) pages.forEach((p) => marked.change.add(p));
      if (problem) pages.forEach((p) => marked[problem.severity].add(p));
    }
    for (const tab of form.tabs) {
      const page = tab.dataset.page;
      tab.classList.toggle('has-change', marked.change.has(page));
      tab.classList.toggle('has-problem', marked.error.has(page));
      tab.classList.toggle('has-warning', marked.warning.has(page));
    }
    listeners.forEach((f) => f({ problems, changes }));
  };

  let pending = 0;
  const schedule = () => {
    if (pending) return;
    pending = requestAnimationFrame(() => {
      pending = 0;
      update();
    });
  };
  return {
    update,
    schedule,
    onUpdate: (f) => listeners.push(f),
    problems: () => problems,
    changes: () => changes,
  };
}
