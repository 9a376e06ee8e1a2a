'use strict';
// The page's controller: it hands the user's actions to the module and presents what the module
// computes. A scroll-bar change writes its text box, then recomputes, clears and restarts; START
// does the last three; STOP halts the timer; the timer ticks every 10 ms, never overlapping.
Jouk.App = class App {
  constructor(module, tables, root) {
    this.module = module;
    this.tables = tables;
    this.recomputes = 0;
    this.rejections = 0;
    this.timer = 0;
    this.controls = Jouk.buildForm1(tables, root, (k, p) => this.parameterChange(k, p));
    const c = this.controls;
    this.marks = c.textBoxes.map(() => ({ pending: '', note: '' }));
    // Typing marks the box's text as not applied yet; Enter still does nothing.
    c.textBoxes.forEach((box) => box.addEventListener('input', () => {
      this.sendTexts();
      this.markPending();
    }));
    this.ratio = window.devicePixelRatio || 1;
    const { width, height, pen } = this.backing(this.ratio);
    this.context = c.plot.getContext('2d', { alpha: false });
    this.session = module._jouk_session_create(width, height, pen);
    if (this.session === 0) throw new Error(`no picture of ${width} × ${height} pixels`);
    window.addEventListener('resize', () => this.followRatio());
    // 'recomputed' after every accepted recompute, for the panels that follow the solution.
    this.events = new EventTarget();
    this.messages = new Jouk.MessageBox('Dialog_Message', document.title);
    this.menu = new Jouk.PlotMenu(c.plot);
    Jouk.addPlotMenuItems(this);
    c.start.addEventListener('click', () => this.restart());
    c.stop.addEventListener('click', () => this.halt());
    c.about.addEventListener('click', () => this.showAbout());
  }

  // The canvas's backing store for a device pixel ratio: the plot's CSS pixels times the ratio,
  // rounded, and the pen's width there, by the window's rules.
  backing(ratio) {
    const m = this.module;
    const { plot, plotSize } = this.controls;
    const size = { width: m._jouk_device_pixels(plotSize.width, ratio),
      height: m._jouk_device_pixels(plotSize.height, ratio), pen: m._jouk_pen_width(ratio) };
    plot.width = size.width;
    plot.height = size.height;
    plot.dataset.pen = String(size.pen);
    return size;
  }

  // Moved to a screen of another pixel density, the plot is drawn anew there: the start picture,
  // then the animation's next frames. Looked at on resizing and at every tick (a move between
  // screens does not always resize the page).
  followRatio() {
    const ratio = window.devicePixelRatio || 1;
    if (ratio === this.ratio) return;
    this.ratio = ratio;
    const { width, height, pen } = this.backing(ratio);
    if (this.module._jouk_resize(this.session, width, height, pen) === 0) return;
    this.image = null;
    if (this.menu.solved) this.present();
  }

  // Calls body(pointer) with text as UTF-8 in the module's memory.
  withText(text, body) {
    const m = this.module;
    const size = m.lengthBytesUTF8(text) + 1;
    const at = m._malloc(size);
    try {
      m.stringToUTF8(text, at, size);
      return body(at);
    } finally {
      m._free(at);
    }
  }

  json(pointer) {
    return JSON.parse(this.module.UTF8ToString(pointer));
  }

  // hesapla: the eight texts as the boxes hold them, recomputed; a rejection is said in the
  // modal message box and changes nothing else.
  recompute() {
    const m = this.module;
    this.sendTexts();
    ++this.recomputes;
    const accepted = m._jouk_recompute(this.session) !== 0;
    this.markPending();
    if (!accepted) {
      ++this.rejections;
      for (const bar of this.controls.scrollBars) bar?.endRepeat();
      this.report(Jouk.i18n.message(this.json(m._jouk_rejection_json(this.session))));
      return false;
    }
    this.markNotes(this.json(m._jouk_notes_json(this.session)));
    this.menu.setSolved(true);
    return true;
  }

  // The boxes' texts into the session.
  sendTexts() {
    this.controls.textBoxes.forEach((box, k) => {
      this.withText(box.value, (at) => this.module._jouk_set_text(this.session, k, at));
    });
  }

  // A box whose text differs from that of the last accepted recompute gets the mark "not applied
  // yet" until the next recompute, before its notes, on the notes' ground.
  markPending() {
    const pending = this.json(this.module._jouk_pending_json(this.session));
    const text = Jouk.i18n.message(pending.message);
    this.controls.textBoxes.forEach((box, k) => {
      box.dataset.pending = pending.boxes[k] ? 'true' : 'false';
      this.showMarks(k, { pending: pending.boxes[k] ? text : '' });
    });
  }

  report(text) {
    this.messages.show(text);
  }

  // Each box whose text the recompute could not take as typed gets the note's ground and its
  // notes as tooltip and description; the others lose theirs.
  markNotes(notes) {
    this.controls.textBoxes.forEach((box, k) => {
      const text = notes.filter((n) => n.parameter === k).map((n) => Jouk.i18n.message(n.message))
        .join('\n');
      box.dataset.note = text ? 'true' : 'false';
      this.showMarks(k, { note: text });
    });
  }

  // Box k's marks (its pending mark, then its notes) as its tooltip and description, on the
  // notes' ground while it has any.
  showMarks(k, change) {
    const g = this.tables.noteGround;
    const marks = Object.assign(this.marks[k], change);
    const text = [marks.pending, marks.note].filter((line) => line).join('\n');
    const box = this.controls.textBoxes[k];
    box.title = text;
    box.style.background = text ? `rgb(${g.red}, ${g.green}, ${g.blue})` : '';
    if (text) box.setAttribute('aria-description', text);
    else box.removeAttribute('aria-description');
  }

  // Recompute, clear the plot and start again.
  restart() {
    if (!this.recompute()) return;
    this.halt();
    this.module._jouk_start(this.session);
    this.present();
    this.run();
    if (this.lift?.visible) this.refreshLift();
    this.events.dispatchEvent(new Event('recomputed'));
  }

  // A completed change of parameter k's scroll bar to position p: its value's text into the box,
  // then restart.
  parameterChange(k, p) {
    this.controls.textBoxes[k].value = this.module.UTF8ToString(this.module._jouk_value_text(k, p));
    this.restart();
  }

  // The timer: a tick every interval, the next falling due an interval after the last was due; a
  // tick that runs late is followed at once by one tick, never by a burst (the animation slows).
  run() {
    const interval = this.tables.tickIntervalMs;
    let due = performance.now() + interval;
    const fire = () => {
      this.tickOnce();
      const now = performance.now();
      due = Math.max(due + interval, now);
      this.timer = setTimeout(fire, due - now);
    };
    this.timer = setTimeout(fire, interval);
  }

  halt() {
    clearTimeout(this.timer);
    this.timer = 0;
    if (this.presenting) this.present();  // the last frame drawn stays on the canvas
  }

  get running() {
    return this.timer !== 0;
  }

  // One tick: the module draws the next frame; the canvas shows it at the screen's next refresh
  // (ticks that fall between two refreshes are shown together, as the window's repaints are).
  tickOnce() {
    this.followRatio();
    this.module._jouk_tick(this.session);
    this.controls.plot.dataset.ticks = String(this.module._jouk_ticks(this.session));
    if (this.presenting) return;
    this.presenting = requestAnimationFrame(() => this.present());
  }

  // The module's pixels onto the canvas, one to one.
  present() {
    cancelAnimationFrame(this.presenting);
    this.presenting = 0;
    const m = this.module;
    const s = this.session;
    const width = m._jouk_width(s);
    const height = m._jouk_height(s);
    const pixels = m._jouk_rgba(s);
    // The view is made again only when growing the module's memory has replaced its buffer.
    if (this.image?.data.buffer !== m.HEAPU8.buffer || this.imageAt !== pixels) {
      this.image = new ImageData(new Uint8ClampedArray(m.HEAPU8.buffer, pixels, width * height * 4),
        width, height);
      this.imageAt = pixels;
    }
    this.context.putImageData(this.image, 0, 0);
    this.controls.plot.dataset.ticks = String(m._jouk_ticks(s));
  }

  // The About window, made on first use; a later choice shows the same window.
  showAbout() {
    this.about ??= Jouk.buildAbout(this.tables);
    this.about.show(this.controls.form);
  }

  showLift() {
    this.lift ??= new Jouk.LiftWindow(this.tables);
    this.refreshLift();
    this.lift.show(this.controls.form);
  }

  refreshLift() {
    this.lift.showResult(this.json(this.module._jouk_lift_json(this.session)));
  }
};

(async () => {
  const started = performance.now();
  const module = await JoukowskyModule();
  const tables = JSON.parse(module.UTF8ToString(module._jouk_tables_json()));
  const app = new Jouk.App(module, tables, document.getElementById('jouk-root'));
  // Parts of the page in scripts of their own (a panel with its menu item, something over the
  // canvas) put a function into Jouk.extensions; each gets the app once it stands.
  for (const extend of Jouk.extensions) extend(app);
  globalThis.JoukowskyPage = app;
  app.controls.textBoxes[0].focus();
  document.body.dataset.readyMs = String(performance.now());
  document.body.dataset.startMs = String(started);
  document.body.dataset.language = Jouk.i18n.language;
  document.body.dataset.ready = 'true';
})().catch((error) => {
  document.body.dataset.error = String(error?.stack ?? error);
  throw error;
});
