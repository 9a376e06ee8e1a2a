'use strict';
// A horizontal scroll bar as the window's: arrows, the track (a page step towards the pointer,
// repeated while held), the keyboard, the wheel (one arrow step a notch) and the thumb, whose
// drag reports once, on release. Every completed change of the position calls onChange(value).
Jouk.ScrollBar = class ScrollBar {
  // range: {minimum, maximum, start, arrowStep, pageStep}; box in CSS pixels.
  constructor(id, range, box, onChange) {
    this.range = range;
    this.value = range.start;
    this.onChange = onChange;
    this.wheelRest = 0;
    this.repeat = 0;
    const el = document.createElement('div');
    el.id = id;
    el.className = 'scrollbar';
    el.setAttribute('role', 'scrollbar');
    el.setAttribute('aria-orientation', 'horizontal');
    el.setAttribute('aria-valuemin', String(range.minimum));
    el.setAttribute('aria-valuemax', String(range.maximum));
    Object.assign(el.style, Jouk.px(box));
    const arrow = (cls, glyph) => {
      const a = document.createElement('div');
      a.className = `arrow ${cls}`;
      a.textContent = glyph;
      a.style.width = `${box.height}px`;
      el.append(a);
      return a;
    };
    this.decrease = arrow('decrease', '◀');
    this.track = document.createElement('div');
    this.track.className = 'track';
    this.thumb = document.createElement('div');
    this.thumb.className = 'thumb';
    this.track.append(this.thumb);
    el.append(this.track);
    this.increase = arrow('increase', '▶');
    this.element = el;
    this.box = box;
    this.listen();
    this.show(this.value);
  }

  // The thumb's length and travel in CSS pixels, in proportion to the page step.
  geometry() {
    const { minimum, maximum, pageStep } = this.range;
    const trackLength = Math.max(this.box.width - 2 * this.box.height, 1);
    const length = Math.max(Math.min(8, trackLength),
      Math.round(trackLength * pageStep / (maximum - minimum + pageStep)));
    return { trackLength, length, travel: Math.max(trackLength - length, 0) };
  }

  // Shows position v on the thumb (and, unless dragging, to assistive technology).
  show(v) {
    const { minimum, maximum } = this.range;
    const { length, travel } = this.geometry();
    const at = maximum > minimum ? ((v - minimum) / (maximum - minimum)) * travel : 0;
    this.thumb.style.width = `${length}px`;
    this.thumb.style.left = `${Math.round(at)}px`;
    this.element.setAttribute('aria-valuenow', String(v));
  }

  // A completed change to v (clamped to the range); nothing happens when the position stays.
  setValue(v) {
    const clamped = Math.min(Math.max(v, this.range.minimum), this.range.maximum);
    this.show(clamped);
    if (clamped === this.value) return;
    this.value = clamped;
    this.onChange(clamped);
  }

  step(delta) {
    this.setValue(this.value + delta);
  }

  // Stops a held arrow or track click (a rejected change ends it, as in the window).
  endRepeat() {
    clearTimeout(this.repeat);
    this.repeat = 0;
  }

  // Runs action now and again while the button is held: first after 300 ms, then every 50 ms.
  hold(action) {
    this.endRepeat();
    action();
    const again = (delay) => {
      this.repeat = setTimeout(() => {
        if (action() !== false) again(50);
      }, delay);
    };
    again(300);
  }

  listen() {
    const el = this.element;
    const { arrowStep, pageStep } = this.range;
    const press = (target, action) => target.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      el.focus();
      target.setPointerCapture(event.pointerId);
      this.hold(action);
    });
    press(this.decrease, () => this.step(-arrowStep));
    press(this.increase, () => this.step(arrowStep));
    for (const target of [this.decrease, this.increase, this.track]) {
      for (const end of ['pointerup', 'pointercancel', 'lostpointercapture']) {
        target.addEventListener(end, () => this.endRepeat());
      }
    }
    this.track.addEventListener('pointerdown', (event) => this.trackDown(event, pageStep));
    this.thumb.addEventListener('pointerdown', (event) => this.dragStart(event));
    el.addEventListener('keydown', (event) => this.key(event));
    el.addEventListener('wheel', (event) => this.wheel(event), { passive: false });
  }

  // A click in the track: page steps towards the pointer while held.
  trackDown(event, pageStep) {
    if (event.button !== 0 || event.target === this.thumb) return;
    event.preventDefault();
    this.element.focus();
    this.track.setPointerCapture(event.pointerId);
    const x = event.clientX;
    this.hold(() => {
      const thumb = this.thumb.getBoundingClientRect();
      if (x < thumb.left) this.step(-pageStep);
      else if (x >= thumb.right) this.step(pageStep);
      else return false;
      return true;
    });
  }

  // Dragging the thumb shows the position under the pointer; the release reports it.
  dragStart(event) {
    if (event.button !== 0) return;
    event.preventDefault();
    event.stopPropagation();
    this.element.focus();
    const { minimum, maximum } = this.range;
    const { travel } = this.geometry();
    const startX = event.clientX;
    const startLeft = parseFloat(this.thumb.style.left) || 0;
    let shown = this.value;
    const move = (e) => {
      const left = Math.min(Math.max(startLeft + e.clientX - startX, 0), travel);
      shown = travel > 0 ? Math.round(minimum + (left / travel) * (maximum - minimum)) : minimum;
      this.thumb.style.left = `${left}px`;
    };
    const end = () => {
      this.thumb.removeEventListener('pointermove', move);
      this.thumb.removeEventListener('pointerup', end);
      this.thumb.removeEventListener('pointercancel', end);
      this.setValue(shown);
    };
    this.thumb.setPointerCapture(event.pointerId);
    this.thumb.addEventListener('pointermove', move);
    this.thumb.addEventListener('pointerup', end);
    this.thumb.addEventListener('pointercancel', end);
  }

  key(event) {
    const { arrowStep, pageStep, minimum, maximum } = this.range;
    const actions = {
      ArrowLeft: () => this.step(-arrowStep), ArrowUp: () => this.step(-arrowStep),
      ArrowRight: () => this.step(arrowStep), ArrowDown: () => this.step(arrowStep),
      PageUp: () => this.step(-pageStep), PageDown: () => this.step(pageStep),
      Home: () => this.setValue(minimum), End: () => this.setValue(maximum),
    };
    const action = actions[event.key];
    if (!action) return;
    event.preventDefault();
    action();
  }

  // One notch (120 of the wheel's units) is one arrow step; turning up or left steps down.
  wheel(event) {
    event.preventDefault();
    const kNotch = 120;
    const legacy = Math.abs(event.wheelDeltaY ?? 0) >= Math.abs(event.wheelDeltaX ?? 0)
      ? event.wheelDeltaY : event.wheelDeltaX;
    this.wheelRest += legacy ?? -Math.sign(event.deltaY || event.deltaX) * kNotch;
    while (Math.abs(this.wheelRest) >= kNotch) {
      const up = this.wheelRest > 0;
      this.wheelRest += up ? -kNotch : kNotch;
      this.step(up ? -this.range.arrowStep : this.range.arrowStep);
    }
  }
};
