'use strict';
// The plot's context menu: opened by a right click on the plot, or by the menu key (or
// Shift+F10) while the plot has the focus. Items are added by whoever provides them, so a new
// item (and the panel it opens) is one call: menu.addItem({ name, caption, action, needsFlow }).
Jouk.PlotMenu = class PlotMenu {
  constructor(plot) {
    const el = Jouk.popupElement('PlotMenu', 'popup', 'menu');
    this.element = el;
    this.plot = plot;
    this.items = [];
    this.solved = false;
    plot.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.open(event.clientX, event.clientY);
    });
    plot.addEventListener('keydown', (event) => {
      if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
        event.preventDefault();
        const r = plot.getBoundingClientRect();
        this.open(r.left + r.width / 2, r.top + r.height / 2);
      }
    });
    el.addEventListener('keydown', (event) => this.key(event));
    document.addEventListener('pointerdown', (event) => {
      if (!el.hidden && !el.contains(event.target)) this.close();
    }, true);
  }

  // An item; needsFlow: it waits for the first accepted recompute; after: the element it follows
  // (by default it comes last). Returns its element.
  addItem({ name, caption, action, needsFlow = false, after = null }) {
    const item = document.createElement('div');
    item.id = name;
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    item.textContent = caption;
    item.addEventListener('click', () => {
      if (item.getAttribute('aria-disabled') === 'true') return;
      this.close();
      action();
    });
    this.place(item, after);
    this.items.push({ item, needsFlow });
    // The keys move through the items in the order they stand.
    const following = (a, b) => a.item.compareDocumentPosition(b.item) & Node.DOCUMENT_POSITION_FOLLOWING;
    this.items.sort((a, b) => (following(a, b) ? -1 : 1));
    this.refresh();
    return item;
  }

  // A separator, last or after an element; returns it.
  addSeparator(after = null) {
    const line = document.createElement('div');
    line.setAttribute('role', 'separator');
    this.place(line, after);
    return line;
  }

  place(element, after) {
    if (after) after.after(element);
    else this.element.append(element);
  }

  // The items that wait for a flow are enabled once there is one.
  setSolved(solved) {
    this.solved = solved;
    this.refresh();
  }

  refresh() {
    for (const { item, needsFlow } of this.items) {
      item.setAttribute('aria-disabled', String(needsFlow && !this.solved));
    }
  }

  open(x, y) {
    const el = this.element;
    el.hidden = false;
    const w = el.offsetWidth;
    const h = el.offsetHeight;
    el.style.left = `${Math.max(Math.min(x, window.innerWidth - w - 2), 0)}px`;
    el.style.top = `${Math.max(Math.min(y, window.innerHeight - h - 2), 0)}px`;
    this.items[0]?.item.focus();
  }

  close() {
    if (this.element.hidden) return;
    this.element.hidden = true;
    this.plot.focus();
  }

  get isOpen() {
    return !this.element.hidden;
  }

  key(event) {
    const list = this.items.map((i) => i.item);
    const at = list.indexOf(document.activeElement);
    const move = (d) => list[(at + d + list.length) % list.length].focus();
    const actions = {
      ArrowDown: () => move(1), ArrowUp: () => move(-1), Escape: () => this.close(),
      Enter: () => document.activeElement?.click(), ' ': () => document.activeElement?.click(),
    };
    const action = actions[event.key];
    if (!action) return;
    event.preventDefault();
    action();
  }
};
