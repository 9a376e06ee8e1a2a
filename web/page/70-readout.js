'use strict';
// The flow under the pointer, and the plot's view. While the pointer moves over the plot (the
// animation running or not) a tooltip shows x, y, V/U, Cp and ψ there, or that the point lies
// inside the section, in the module's words (jouk_readout_json) in the page's language. It only
// reads the flow: the tooltip is an element of its own and nothing is drawn on the canvas. The
// plot menu's checkable "Free stream horizontal" (off at every start) shows the same flow turned
// so that the free stream runs horizontally; the saves take the view shown.

// The flow field's tables (jouk_field_tables_json), with the readout's words handed to the
// module in the page's language.
Jouk.fieldTables = (app) => {
  const m = app.module;
  const tables = JSON.parse(m.UTF8ToString(m._jouk_field_tables_json()));
  for (const w of tables.words) {
    app.withText(Jouk.i18n.translate(w.context, w.text), (at) => m._jouk_set_readout_word(w.id, at));
  }
  return tables;
};

// The readout at the CSS pixel (u, v) of a picture of the flow shown, size {width, height}, at
// stage t of the map in view (0 the main picture, 1 the free stream horizontal).
Jouk.readoutAt = (app, u, v, size, t, view) =>
  app.json(app.module._jouk_readout_json(app.session, u, v, size.width, size.height, t, view));

// The plot's tooltip.
Jouk.PlotReadout = class PlotReadout {
  constructor(app) {
    this.app = app;
    const tip = Jouk.popupElement('Tooltip_Readout', 'readout-tip', 'tooltip');
    this.tip = tip;
    this.pointer = null;
    const plot = app.controls.plot;
    plot.setAttribute('aria-describedby', tip.id);
    plot.addEventListener('pointermove', (event) => {
      this.pointer = { u: event.offsetX, v: event.offsetY, x: event.clientX, y: event.clientY };
      this.update();
    });
    plot.addEventListener('pointerleave', () => this.hide());
    plot.addEventListener('contextmenu', () => this.hide());
    app.events.addEventListener('recomputed', () => this.update());
  }

  hide() {
    this.pointer = null;
    this.tip.hidden = true;
  }

  // The readout at the pointer, for the view shown.
  update() {
    if (this.pointer === null || this.app.menu.isOpen) return;
    const p = this.pointer;
    const r = Jouk.readoutAt(this.app, p.u, p.v, this.app.controls.plotSize, 1, this.app.view ?? 0);
    if (!r.ok) {
      this.tip.hidden = true;
      return;
    }
    const tip = this.tip;
    tip.textContent = r.text;
    tip.dataset.x = String(r.x);
    tip.dataset.y = String(r.y);
    tip.hidden = false;
    const left = Math.min(p.x + 14, window.innerWidth - tip.offsetWidth - 4);
    tip.style.left = `${Math.max(left, 0)}px`;
    tip.style.top = `${Math.min(p.y + 18, window.innerHeight - tip.offsetHeight - 4)}px`;
  }
};

// The plot menu's "Free stream horizontal": a check box item; the plot is drawn anew in the view
// chosen (a fresh window's picture after START and the ticks shown) and animates on from there.
Jouk.addViewItem = (app, item, caption, after) => {
  app.view = 0;
  const element = app.menu.addItem({
    name: item.name, caption, after,
    action: () => {
      app.view = 1 - app.view;
      element.setAttribute('aria-checked', String(app.view === 1));
      app.module._jouk_set_view(app.session, app.view);
      if (app.menu.solved) app.present();
      app.readout.update();
    },
  });
  element.setAttribute('role', 'menuitemcheckbox');
  element.setAttribute('aria-checked', 'false');
};

// The page's own style for the tooltip, the check box item and the flow field panel.
Jouk.addFieldStyle = () => {
  const style = document.createElement('style');
  style.textContent = `
  .readout-tip { position: fixed; z-index: 30; pointer-events: none; white-space: pre; font-size: 12px;
                 background: #ffffe1; border: 1px solid #767676; padding: 2px 5px; }
  .popup [role="menuitemcheckbox"] { padding: 3px 20px; cursor: default; white-space: nowrap; position: relative; }
  .popup [role="menuitemcheckbox"]:focus, .popup [role="menuitemcheckbox"]:hover { background: var(--highlight); color: #fff; outline: none; }
  .popup [role="menuitemcheckbox"][aria-checked="true"]::before { content: "✓"; position: absolute; left: 6px; }
  .field .client { padding: 8px; font-size: 12px; }
  .field .row { display: flex; align-items: center; gap: 8px; margin-bottom: 6px; }
  .field .row input[type="range"] { flex: 1; }
  .field .picture { position: relative; }
  .field .picture canvas { position: absolute; left: 0; top: 0; image-rendering: pixelated; }
  .field .picture canvas.mark { pointer-events: none; }
  .field .readout { white-space: pre; min-height: 32px; margin: 4px 0; font-family: monospace; }
  .field .help { margin: 4px 0 8px; line-height: 1.3; }
  .field .buttons { display: flex; align-items: center; gap: 8px; }
  .field .buttons .note { flex: 1; }`;
  document.head.append(style);
};
