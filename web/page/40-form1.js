'use strict';
// The main window Form1 from the tables: the menu bar with its one item, the two frames with
// each parameter's label, text box and scroll bar, START, STOP and the plot Picture3, at their
// twips' pixels, with the window's tab order. It only builds; 90-main.js gives it its actions.
Jouk.buildForm1 = (tables, root, onScroll) => {
  const t = (context, text) => Jouk.i18n.translate(context, text);
  const w = tables.mainWindow;
  const per = tables.twipsPerPixel;
  const box = (twips) => Jouk.pixels(twips, per);
  document.title = t(w.context, w.caption);

  const form = document.createElement('div');
  form.id = w.name;
  form.className = 'window main';
  form.setAttribute('role', 'application');
  form.setAttribute('aria-label', document.title);
  form.style.fontSize = `${w.pointSize}pt`;
  const menubar = document.createElement('div');
  menubar.className = 'menubar';
  menubar.setAttribute('role', 'menubar');
  const about = document.createElement('button');
  about.id = w.menuItem.name;
  about.type = 'button';
  about.setAttribute('role', 'menuitem');
  about.textContent = t(w.context, w.menuItem.caption);
  menubar.append(about);
  const client = document.createElement('div');
  client.id = `${w.name}_Client`;
  client.className = 'client';
  const size = box({ left: 0, top: 0, ...w.client });
  client.style.width = `${size.width}px`;
  client.style.height = `${size.height}px`;
  form.append(menubar, client);
  root.append(form);

  const frames = {};
  for (const f of w.frames) {
    const el = document.createElement('div');
    el.id = f.name;
    el.className = 'frame';
    el.setAttribute('role', 'group');
    el.setAttribute('aria-label', t(w.context, f.accessibleName));
    Object.assign(el.style, Jouk.px(box(f.box)));
    client.append(el);
    frames[f.name] = el;
  }

  const controls = { form, client, about, textBoxes: [], scrollBars: [], labels: [] };
  w.parameters.forEach((row, k) => {
    const p = tables.parameters[k];
    const frame = frames[row.frame];
    const description = t(tables.contexts.description, p.description);
    const input = document.createElement('input');
    input.id = row.textBox.name;
    input.type = 'text';
    input.value = p.startText;
    input.spellcheck = false;
    input.autocomplete = 'off';
    input.setAttribute('aria-label', description);
    Object.assign(input.style, Jouk.px(box(row.textBox.box)));
    const label = document.createElement('label');
    label.id = row.label.name;
    label.htmlFor = input.id;
    label.textContent = t(tables.contexts.label, p.label);
    if (row.label.wrap) label.className = 'wraps';
    Object.assign(label.style, Jouk.px(box(row.label.box)));
    frame.append(label, input);
    controls.textBoxes.push(input);
    controls.labels.push(label);
    if (row.scrollBar === null) {
      controls.scrollBars.push(null);
      return;
    }
    const bar = new Jouk.ScrollBar(row.scrollBar.name, p.scrollBar, box(row.scrollBar.box),
      (value) => onScroll(k, value));
    bar.element.setAttribute('aria-label', description);
    bar.element.setAttribute('aria-controls', input.id);
    frame.append(bar.element);
    controls.scrollBars.push(bar);
  });

  const command = (c) => {
    const b = document.createElement('button');
    b.id = c.name;
    b.type = 'button';
    b.className = 'command';
    b.textContent = t(w.context, c.caption);
    b.title = t(w.context, c.accessibleName);
    Object.assign(b.style, Jouk.px(box(c.box)));
    client.append(b);
    return b;
  };
  controls.start = command(w.start);
  controls.stop = command(w.stop);
  const plot = document.createElement('canvas');
  plot.id = w.plot.name;
  plot.setAttribute('role', 'img');
  plot.setAttribute('aria-label', t(w.context, w.plot.accessibleName));
  plot.dataset.ticks = '0';
  const plotBox = box(w.plot.box);
  Object.assign(plot.style, Jouk.px(plotBox));
  client.append(plot);
  controls.plot = plot;
  controls.plotSize = { width: plotBox.width, height: plotBox.height };

  // A label whose caption does not fit its box: one line grows to the right, a wrapping one
  // takes a smaller font (down to 6 pt) until its lines fit, as the window fits its labels; a
  // wrapping label's room ends where its text box begins.
  for (const label of controls.labels) {
    if (!label.classList.contains('wraps')) {
      if (label.scrollWidth > label.clientWidth) label.style.width = `${label.scrollWidth}px`;
      continue;
    }
    const box = document.getElementById(label.htmlFor);
    const room = Math.min(label.clientWidth, box.offsetLeft - label.offsetLeft);
    const text = document.createRange();
    text.selectNodeContents(label);
    const fits = () => text.getBoundingClientRect().width <= room
      && label.scrollHeight <= label.clientHeight;
    for (let size = w.pointSize; size >= 6 && !fits(); size -= 0.25) {
      label.style.fontSize = `${size}pt`;
    }
  }

  // The tab order: the focus order of the tables; everything else leaves it.
  w.focusOrder.forEach((name, k) => {
    const el = document.getElementById(name);
    if (el) el.tabIndex = k + 1;
  });
  return controls;
};

// The About window Form_About from the tables: its ground, and each label's box, text, font,
// colour, alignment and wrapping.
Jouk.buildAbout = (tables) => {
  const a = tables.aboutWindow;
  const per = tables.twipsPerPixel;
  const colour = (c) => `rgb(${c.red}, ${c.green}, ${c.blue})`;
  const caption = Jouk.i18n.translate(a.context, a.caption);
  const size = Jouk.pixels({ left: 0, top: 0, ...a.client }, per);
  const win = new Jouk.FloatingWindow(a.name, caption, size, 'about');
  win.client.style.background = colour(a.background);
  for (const l of a.labels) {
    const p = document.createElement('p');
    p.id = l.name;
    p.className = 'about-label';
    p.textContent = l.translated ? Jouk.i18n.translate(a.context, l.text) : l.text;
    Object.assign(p.style, Jouk.px(Jouk.pixels(l.box, per)), {
      fontFamily: `"${l.font.face}", sans-serif`, fontSize: `${l.font.pointSize}pt`,
      fontWeight: String(l.font.weight), textDecoration: l.font.underline ? 'underline' : 'none',
      color: colour(l.colour), background: colour(a.background),
      textAlign: l.align === 'centre' ? 'center' : 'left',
      whiteSpace: l.wrap ? 'normal' : 'nowrap',
    });
    win.client.append(p);
  }
  return win;
};
