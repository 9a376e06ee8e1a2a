'use strict';
// The lift window, opened from the plot's menu: the circulation Γ and the lift coefficient Cl
// above a plot of −Cp against x/c for the upper and the lower surface, as the module computes
// them (jouk_lift_json). It shows what it is given and follows every accepted recompute.
Jouk.LiftWindow = class LiftWindow {
  constructor(tables) {
    const l = tables.liftWindow;
    this.layout = l;
    const t = (text) => Jouk.i18n.translate(l.context, text);
    this.win = new Jouk.FloatingWindow(l.name, t(l.caption), { width: 640, height: 500 }, 'lift');
    const figures = document.createElement('div');
    figures.className = 'figures';
    const figure = (id, caption) => {
      const c = document.createElement('div');
      c.textContent = t(caption);
      const v = document.createElement('div');
      v.id = id;
      v.className = 'figure';
      figures.append(c);
      return v;
    };
    this.circulation = figure('Value_Circulation', l.circulationCaption);
    this.lift = figure('Value_Lift', l.liftCaption);
    figures.append(this.circulation, this.lift);
    this.note = document.createElement('div');
    this.note.id = 'Label_Note';
    this.note.className = 'note';
    this.plot = document.createElement('canvas');
    this.plot.id = 'PressurePlot';
    this.plot.width = 624;
    this.plot.height = 380;
    this.plot.setAttribute('role', 'img');
    this.plot.setAttribute('aria-label', Jouk.i18n.translate(l.plotContext, l.pressureAxis));
    this.win.client.append(figures, this.note, this.plot);
  }

  get visible() {
    return this.win.visible;
  }

  show(beside) {
    this.win.show(beside);
  }

  // Shows a result of jouk_lift_json.
  showResult(result) {
    const none = Jouk.i18n.translate(this.layout.context, this.layout.noValue);
    this.circulation.textContent = result.ok ? result.circulation : none;
    this.lift.textContent = result.ok ? result.lift : none;
    if (!result.ok) {
      this.note.textContent = result.message === null
        ? Jouk.i18n.translate(this.layout.context, this.layout.nothingYet)
        : Jouk.i18n.message(result.message);
      this.draw([], [], result.axis);
      return;
    }
    this.note.textContent = result.notes.map((m) => Jouk.i18n.message(m)).join(' ');
    this.draw(result.upper, result.lower, result.axis);
  }

  // The curves on axes x/c 0..1 and −Cp over the module's axis (its range and ticks), with a grid.
  draw(upper, lower, axis) {
    const g = this.plot.getContext('2d');
    const { width, height } = this.plot;
    const l = this.layout;
    const t = (text) => Jouk.i18n.translate(l.plotContext, text);
    g.fillStyle = '#fff';
    g.fillRect(0, 0, width, height);
    const area = { left: 56, top: 24, right: width - 12, bottom: height - 44 };
    const { bottom, top, step, ticks } = axis;
    this.plot.dataset.axisTicks = JSON.stringify(ticks);
    const X = (x) => area.left + x * (area.right - area.left);
    const Y = (y) => area.bottom - ((y - bottom) / (top - bottom)) * (area.bottom - area.top);
    g.font = '11px sans-serif';
    g.strokeStyle = '#e0e0e0';
    g.fillStyle = '#000';
    g.lineWidth = 1;
    for (let i = 0; i <= 10; ++i) {
      g.beginPath(); g.moveTo(X(i / 10), area.top); g.lineTo(X(i / 10), area.bottom); g.stroke();
      if (i % 2 === 0) g.fillText(String(i / 10), X(i / 10) - 6, area.bottom + 14);
    }
    for (const tick of ticks) {
      const v = Math.abs(tick) < step * 1e-9 ? 0 : tick;
      g.strokeStyle = v === 0 ? '#808080' : '#e0e0e0';
      g.beginPath(); g.moveTo(area.left, Y(v)); g.lineTo(area.right, Y(v)); g.stroke();
      g.fillText(String(Number(v.toPrecision(6))), 8, Y(v) + 4);
    }
    g.strokeStyle = '#808080';
    g.strokeRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    g.fillText(t(l.chordAxis), area.left, height - 10);
    g.fillText(t(l.pressureAxis), 8, area.top - 10);
    if (axis.peakCut) {
      g.fillText(t(l.peakNote).replace('%1', axis.peak), area.left + 6, area.top + 14);
    }
    this.drawCurves(g, area, X, Y, [[upper, '#1f5fbf', t(l.upperSurface)],
      [lower, '#c0392b', t(l.lowerSurface)]]);
  }

  // The two curves, clipped to the plot (a cut peak stays inside it, as in the window), each
  // with its legend.
  drawCurves(g, area, X, Y, curves) {
    g.save();
    g.beginPath();
    g.rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    g.clip();
    curves.forEach(([curve, colour, name], k) => {
      g.strokeStyle = colour;
      g.lineWidth = 2;
      g.beginPath();
      curve.forEach(([x, y], i) => (i === 0 ? g.moveTo(X(x), Y(y)) : g.lineTo(X(x), Y(y))));
      g.stroke();
      if (curve.length > 0) {
        g.fillStyle = colour;
        g.fillRect(area.right - 150, area.top + 10 + 16 * k, 20, 3);
        g.fillStyle = '#000';
        g.fillText(name, area.right - 124, area.top + 14 + 16 * k);
      }
    });
    g.restore();
  }
};
