'use strict';
// The flow field panel, opened by "Flow field…" in the plot's menu: the module's picture of the
// current flow at a stage of the conformal map (jouk_field_draw), from the circle plane (0) to
// the section (1), with the pressure colours and their bar when asked, in the main picture's
// orientation or with the free stream horizontal. Play runs the stage up and down; under the
// pointer the plot's readout shows and a ring marks the point of the other plane. It follows
// every accepted recompute (a rejected one leaves the flow, and so the picture, as it was) and
// saves the exporter's --format field files. A window of its own beside the main window.
Jouk.FieldPanel = class FieldPanel {
  constructor(app, tables) {
    this.app = app;
    this.tables = tables;
    const t = (text) => Jouk.i18n.translate(tables.context, text);
    this.t = t;
    this.size = app.controls.plotSize;
    this.win = new Jouk.FloatingWindow(tables.name, t(tables.caption),
      { width: this.size.width + 16, height: 0 }, 'field');
    this.win.client.style.height = 'auto';
    const close = this.win.close.bind(this.win);
    this.win.close = () => {
      this.play(false);
      close();
    };
    this.pointer = null;
    this.ratio = 0;
    this.field = 0;
    this.win.client.append(this.buildStage(), this.buildOptions(), this.buildPicture(),
      this.element('div', 'Label_Readout', 'readout'), this.element('div', 'Label_Help', 'help'),
      this.buildButtons());
    this.readout = this.win.client.querySelector('#Label_Readout');
    this.win.client.querySelector('#Label_Help').textContent = t(tables.help);
    app.events.addEventListener('recomputed', () => {
      if (this.visible) this.redraw();
    });
    window.addEventListener('resize', () => {
      if (this.visible && (window.devicePixelRatio || 1) !== this.ratio) this.redraw();
    });
  }

  element(tag, id, className = '') {
    const el = document.createElement(tag);
    if (id) el.id = id;
    if (className) el.className = className;
    return el;
  }

  // The slider "conformal map" between its two ends, and Play.
  buildStage() {
    const { t, tables } = this;
    const row = this.element('div', '', 'row');
    const caption = this.element('label');
    caption.textContent = t(tables.mapCaption);
    caption.htmlFor = 'Slider_Map';
    const ends = [t(tables.circlePlane), t(tables.section)].map((text) => {
      const span = this.element('span');
      span.textContent = text;
      return span;
    });
    const slider = this.element('input', 'Slider_Map');
    Object.assign(slider, { type: 'range', min: 0, max: tables.stageSteps, step: 1 });
    slider.value = String(tables.stageSteps);
    slider.setAttribute('aria-label', t(tables.mapDescription));
    slider.addEventListener('input', () => this.redraw());
    this.slider = slider;
    const play = this.element('button', 'Button_Play');
    play.type = 'button';
    play.textContent = t(tables.play);
    play.setAttribute('aria-pressed', 'false');
    play.addEventListener('click', () => this.play(!this.playing));
    this.playButton = play;
    row.append(caption, ends[0], slider, ends[1], play);
    return row;
  }

  // The pressure colours' check box and the orientation's choice.
  buildOptions() {
    const { t, tables } = this;
    const row = this.element('div', '', 'row');
    const cpLabel = this.element('label');
    const cp = this.element('input', 'Check_Cp');
    cp.type = 'checkbox';
    cp.addEventListener('change', () => this.redraw());
    cpLabel.append(cp, ` ${t(tables.pressure)}`);
    this.cp = cp;
    const caption = this.element('label');
    caption.textContent = t(tables.orientation);
    caption.htmlFor = 'Combo_Orientation';
    caption.style.marginLeft = 'auto';
    const choice = this.element('select', 'Combo_Orientation');
    [tables.asMain, tables.horizontal].forEach((text, k) => choice.add(new Option(t(text), String(k))));
    choice.addEventListener('change', () => this.redraw());
    this.orientation = choice;
    row.append(cpLabel, caption, choice);
    return row;
  }

  // The module's picture, and over it (on the screen only) the ring of the other plane's point.
  buildPicture() {
    const { width, height } = this.size;
    const box = this.element('div', '', 'picture');
    Object.assign(box.style, { width: `${width}px`, height: `${height}px` });
    this.canvas = this.element('canvas', 'FieldView');
    this.canvas.setAttribute('role', 'img');
    this.canvas.setAttribute('aria-label', this.t(this.tables.caption));
    this.canvas.dataset.draws = '0';
    this.markCanvas = this.element('canvas', 'FieldMark', 'mark');
    for (const c of [this.canvas, this.markCanvas]) {
      Object.assign(c.style, { width: `${width}px`, height: `${height}px` });
    }
    this.canvas.addEventListener('pointermove', (event) => {
      this.pointer = { u: event.offsetX, v: event.offsetY };
      this.hover();
    });
    this.canvas.addEventListener('pointerleave', () => {
      this.pointer = null;
      this.hover();
    });
    box.append(this.canvas, this.markCanvas);
    return box;
  }

  buildButtons() {
    const { t, tables } = this;
    const row = this.element('div', '', 'buttons');
    this.note = this.element('span', 'Label_FieldNote', 'note');
    const button = (id, text, action) => {
      const b = this.element('button', id);
      b.type = 'button';
      b.textContent = t(text);
      b.addEventListener('click', action);
      return b;
    };
    row.append(this.note, button('Button_Copy', tables.copy, () => this.app.files.copyCanvas(this.canvas)),
      button('Button_Save', tables.save, () => this.save()));
    return row;
  }

  get visible() {
    return this.win.visible;
  }

  show(beside) {
    this.win.show(beside);
    this.redraw();
  }

  // What the picture shows: the stage, the pressure colours (1) and the view (1 horizontal).
  setup() {
    return { t: Number(this.slider.value) / this.tables.stageSteps, cp: this.cp.checked ? 1 : 0,
      view: Number(this.orientation.value) };
  }

  // A picture of the screen's device pixels, made anew when the pixel density changed.
  follow() {
    const m = this.app.module;
    const ratio = window.devicePixelRatio || 1;
    if (ratio === this.ratio && this.field !== 0) return;
    const width = m._jouk_device_pixels(this.size.width, ratio);
    const height = m._jouk_device_pixels(this.size.height, ratio);
    const field = m._jouk_field_create(width, height, m._jouk_pen_width(ratio));
    if (field === 0) return;
    if (this.field !== 0) m._jouk_field_destroy(this.field);
    this.field = field;
    this.ratio = ratio;
    for (const c of [this.canvas, this.markCanvas]) {
      c.width = width;
      c.height = height;
    }
    this.canvas.dataset.pen = String(m._jouk_pen_width(ratio));
  }

  // The module draws the picture for the controls as they stand; the readout follows. A draft
  // (Play's frames with the pressure colours on a dense screen, as in the window) is drawn at
  // one pixel a logical pixel and shown enlarged; the picture Play stops at is drawn whole.
  redraw(draft = false) {
    const m = this.app.module;
    this.follow();
    if (this.field === 0) return;
    const { t, cp, view } = this.setup();
    if (draft) this.draft ??= m._jouk_field_create(this.size.width, this.size.height, 1);
    const field = draft && this.draft !== 0 ? this.draft : this.field;
    const drawn = m._jouk_field_draw(field, this.app.session, t, cp, view) === 1;
    const width = m._jouk_field_width(field);
    const height = m._jouk_field_height(field);
    const pixels = m._jouk_field_rgba(field);
    const image = new ImageData(new Uint8ClampedArray(m.HEAPU8.buffer, pixels, width * height * 4), width, height);
    const g = this.canvas.getContext('2d', { alpha: false });
    if (field === this.field) {
      g.putImageData(image, 0, 0);
    } else {
      const small = (this.draftCanvas ??= new OffscreenCanvas(width, height));
      small.getContext('2d').putImageData(image, 0, 0);
      g.imageSmoothingEnabled = false;
      g.drawImage(small, 0, 0, this.canvas.width, this.canvas.height);
    }
    this.canvas.dataset.draft = String(field !== this.field);
    this.canvas.dataset.draws = String(Number(this.canvas.dataset.draws) + 1);
    this.canvas.dataset.stage = String(t);
    this.note.textContent = drawn ? '' : this.t(this.tables.nothingYet);
    this.hover();
  }

  // The readout at the pointer and the ring at the point of the other plane.
  hover() {
    const g = this.markCanvas.getContext('2d');
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.clearRect(0, 0, this.markCanvas.width, this.markCanvas.height);
    const { t, view } = this.setup();
    const r = this.pointer === null ? { ok: false }
      : Jouk.readoutAt(this.app, this.pointer.u, this.pointer.v, this.size, t, view);
    this.readout.textContent = r.ok ? r.text : '';
    this.markCanvas.dataset.mark = r.ok ? JSON.stringify(r.other) : '';
    if (!r.ok || !r.other.every(Number.isFinite)) return;
    const { mark, markRadius, markLine } = this.tables;
    g.setTransform(this.ratio, 0, 0, this.ratio, 0, 0);
    g.strokeStyle = `rgb(${mark.join(', ')})`;
    g.lineWidth = markLine;
    g.beginPath();
    g.arc(r.other[0], r.other[1], markRadius, 0, 2 * Math.PI);
    g.stroke();
  }

  // Play on or off: the stage runs up to 1, down to 0 and up again, one round in the module's
  // period, following the clock.
  play(on) {
    clearInterval(this.playTimer);
    const drafted = this.canvas.dataset.draft === 'true';
    this.playing = on;
    this.playButton.textContent = this.t(on ? this.tables.pause : this.tables.play);
    this.playButton.setAttribute('aria-pressed', String(on));
    if (!on) {
      if (drafted) this.redraw();
      return;
    }
    const from = this.setup().t;
    const started = performance.now();
    this.playTimer = setInterval(() => {
      const stage = this.app.module._jouk_played_stage((performance.now() - started) / 1000, from);
      const value = String(Math.round(stage * this.tables.stageSteps));
      if (value === this.slider.value) return;
      this.slider.value = value;
      this.redraw(this.cp.checked && this.ratio !== 1);
    }, this.tables.playIntervalMs);
  }

  // The file of kind (0 SVG, 1 PNG's pixels) as bytes, or null.
  made(kind) {
    const m = this.app.module;
    const { t, cp, view } = this.setup();
    const size = m._jouk_field_save(this.field, this.app.session, t, cp, view, kind);
    if (size === 0) return null;
    return new Uint8Array(m.HEAPU8.buffer, m._jouk_field_answer(this.field), size).slice();
  }

  async save() {
    const { t, tables, app } = this;
    const pngName = tables.fileName;
    const svgName = pngName.replace(/\.png$/, '.svg');
    const notSaved = (name) => app.report(Jouk.i18n.fill(t(tables.notSaved), [name, t(tables.notMade)]));
    const kind = await app.messages.choose(t(tables.saveCaption),
      [[t(tables.pngFilter), 'png'], [t(tables.svgFilter), 'svg']]);
    if (kind === 'svg') {
      const bytes = this.made(0);
      return bytes === null ? notSaved(svgName) : app.files.deliver(svgName, 'image/svg+xml', bytes);
    }
    if (kind !== 'png') return undefined;
    const pixels = this.made(1);
    const blob = pixels === null ? null : await app.files.pngOf(pixels, this.size);
    if (blob === null) return notSaved(pngName);
    return app.files.deliver(pngName, 'image/png', new Uint8Array(await blob.arrayBuffer()));
  }
};

// The readout over the plot, and the plot menu's "Flow field…" and "Free stream horizontal".
Jouk.extensions.push((app) => {
  Jouk.addFieldStyle();
  const tables = Jouk.fieldTables(app);
  app.readout = new Jouk.PlotReadout(app);
  const caption = (item) => Jouk.i18n.translate(tables.menuContext, item.caption);
  const [fieldItem, viewItem] = tables.menu;
  // As in the window: after "Lift and pressure…", "Flow field…", a separator and the view.
  const field = app.menu.addItem({
    name: fieldItem.name, caption: caption(fieldItem), after: app.menu.items[0]?.item ?? null,
    action: () => {
      app.field ??= new Jouk.FieldPanel(app, tables);
      app.field.show(app.controls.form);
    },
  });
  Jouk.addViewItem(app, viewItem, caption(viewItem), app.menu.addSeparator(field));
});
