// SPDX-License-Identifier: GPL-3.0-or-later
// Tab lists with the keyboard behaviour of the ARIA tabs pattern: the arrow
// keys, Home and End move between tabs, Tab moves into the shown page.

// Builds a tab list in `host` for `pages` ([{name, caption}]); `panelFor(page)`
// returns the element shown for a page. Returns {select(name)}.
export function createTabs(host, label, pages, panelFor) {
  const list = document.createElement('div');
  list.className = 'tablist';
  list.setAttribute('role', 'tablist');
  list.setAttribute('aria-label', label);
  const tabs = [];
  const panels = [];
  for (const page of pages) {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.id = `tab-${page.name}`;
    tab.setAttribute('role', 'tab');
    tab.dataset.page = page.name;
    const caption = document.createElement('span');
    caption.textContent = page.caption;
    tab.append(caption);
    const panel = panelFor(page);
    panel.id = page.name;
    panel.setAttribute('role', 'tabpanel');
    panel.setAttribute('aria-labelledby', tab.id);
    tab.setAttribute('aria-controls', panel.id);
    tabs.push(tab);
    panels.push(panel);
    list.append(tab);
  }

  const select = (index, focus) => {
    tabs.forEach((tab, i) => {
      const on = i === index;
      tab.setAttribute('aria-selected', String(on));
      tab.tabIndex = on ? 0 : -1;
      panels[i].hidden = !on;
    });
    if (focus) tabs[index].focus();
  };
  list.addEventListener('click', (event) => {
    const tab = event.target.closest('[role=tab]');
    if (tab) select(tabs.indexOf(tab), true);
  });
  list.addEventListener('keydown', (event) => {
    const at = tabs.indexOf(document.activeElement);
    if (at < 0) return;
    const to = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: tabs.length - 1 }[event.key];
    if (to === undefined) return;
    event.preventDefault();
    select((to + tabs.length) % tabs.length, true);
  });
  host.append(list, ...panels);
  select(0, false);
  return {
    select: (name) => {
      const i = tabs.findIndex((t) => t.dataset.page === name);
      if (i >= 0) select(i, false);
      return i >= 0;
    },
    tabs,
  };
}
