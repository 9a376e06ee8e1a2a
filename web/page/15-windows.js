'use strict';
// Boxes, the page's windows of their own (the About and the lift window: top-level, modeless,
// with a caption bar and a close box, dragged by the bar) and the modal message box.

// CSS of a box in twips' whole pixels ({left, top, width, height} in px).
Jouk.px = (box) => ({ left: `${box.left}px`, top: `${box.top}px`, width: `${box.width}px`,
  height: `${box.height}px` });

// A box in twips to whole pixels, the remainder dropped (15 twips a pixel at 96 dots per inch).
Jouk.pixels = (twips, perPixel) => ({
  left: Math.trunc(twips.left / perPixel), top: Math.trunc(twips.top / perPixel),
  width: Math.trunc(twips.width / perPixel), height: Math.trunc(twips.height / perPixel),
});

// A hidden element on the page's body that pops up over the rest (a menu, a tooltip): its id,
// class and ARIA role.
Jouk.popupElement = (id, className, role) => {
  const el = document.createElement('div');
  el.id = id;
  el.className = className;
  el.setAttribute('role', role);
  el.hidden = true;
  document.body.append(el);
  return el;
};

// A window of its own, hidden until shown: id, caption, client size in CSS pixels.
Jouk.FloatingWindow = class FloatingWindow {
  constructor(id, caption, client, className = '') {
    const el = document.createElement('div');
    el.id = id;
    el.className = `window ${className}`;
    el.setAttribute('role', 'dialog');
    el.setAttribute('aria-label', caption);
    el.hidden = true;
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    const title = document.createElement('span');
    title.textContent = caption;
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.textContent = '✕';
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', () => this.close());
    bar.append(title, close);
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.style.width = `${client.width}px`;
    this.client.style.height = `${client.height}px`;
    el.append(bar, this.client);
    document.body.append(el);
    this.element = el;
    this.dragByBar(bar);
  }

  get visible() {
    return !this.element.hidden;
  }

  // Shows the window beside `beside` (an element) where it has not been placed yet, on top.
  show(beside) {
    const el = this.element;
    if (!this.placed && beside) {
      const r = beside.getBoundingClientRect();
      el.style.left = `${Math.round(r.right + window.scrollX + 16)}px`;
      el.style.top = `${Math.round(r.top + window.scrollY + 24)}px`;
      this.placed = true;
    }
    el.hidden = false;
    el.style.zIndex = String((Jouk.FloatingWindow.top = (Jouk.FloatingWindow.top ?? 10) + 1));
  }

  close() {
    this.element.hidden = true;
  }

  dragByBar(bar) {
    bar.addEventListener('pointerdown', (event) => {
      if (event.target.closest('button')) return;
      const el = this.element;
      const x0 = event.clientX - el.offsetLeft;
      const y0 = event.clientY - el.offsetTop;
      bar.setPointerCapture(event.pointerId);
      const move = (e) => {
        el.style.left = `${e.clientX - x0}px`;
        el.style.top = `${Math.max(e.clientY - y0, 0)}px`;
      };
      const end = () => {
        bar.removeEventListener('pointermove', move);
        bar.removeEventListener('pointerup', end);
      };
      bar.addEventListener('pointermove', move);
      bar.addEventListener('pointerup', end);
    });
  }
};

// The modal message box: a caption, the message and an OK button; while one is open a second
// message is not stacked on it. The page behind (the animation too) goes on.
Jouk.MessageBox = class MessageBox {
  constructor(id, caption) {
    const dialog = document.createElement('dialog');
    dialog.id = id;
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-label', caption);
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    bar.textContent = caption;
    this.body = document.createElement('div');
    this.body.className = 'body';
    this.body.id = `${id}_Text`;
    dialog.setAttribute('aria-describedby', this.body.id);
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    this.ok = document.createElement('button');
    this.ok.type = 'button';
    this.ok.textContent = 'OK';
    this.ok.addEventListener('click', () => dialog.close());
    buttons.append(this.ok);
    dialog.append(bar, this.body, buttons);
    document.body.append(dialog);
    this.dialog = dialog;
    this.shown = 0;
  }

  // Shows the message unless a message is showing already; the focus comes back on closing.
  show(text) {
    if (this.dialog.open) return false;
    const before = document.activeElement;
    this.body.textContent = text;
    this.dialog.showModal();
    this.ok.focus();
    ++this.shown;
    this.dialog.addEventListener('close', () => before?.focus?.(), { once: true });
    return true;
  }

  // A choice among buttons (caption → value); resolves to the value chosen, or null.
  choose(text, choices) {
    return new Promise((resolve) => {
      if (this.dialog.open) return resolve(null);
      const buttons = this.ok.parentElement;
      const extra = choices.map(([caption, value]) => {
        const b = document.createElement('button');
        b.type = 'button';
        b.textContent = caption;
        b.addEventListener('click', () => {
          this.dialog.returnValue = String(choices.findIndex((c) => c[1] === value));
          this.dialog.close();
        });
        buttons.insertBefore(b, this.ok);
        return b;
      });
      this.ok.textContent = 'Cancel';
      this.dialog.returnValue = '';
      this.body.textContent = text;
      this.dialog.showModal();
      extra[0]?.focus();
      this.dialog.addEventListener('close', () => {
        extra.forEach((b) => b.remove());
        this.ok.textContent = 'OK';
        const k = this.dialog.returnValue === '' ? -1 : Number(this.dialog.returnValue);
        resolve(k >= 0 ? choices[k][1] : null);
      }, { once: true });
    });
  }
};
