'use strict';
// The plot menu's items: the lift window, and the picture, the animation and the points as the
// plot shows them, made by the module as the window's saves make them (the same bytes as
// joukowsky-export for the texts and the moment shown; PNG through the browser's encoder, from
// the same pixels). A file goes to the browser's downloads.
Jouk.addPlotMenuItems = (app) => {
  const pm = app.tables.plotMenu;
  const t = (text) => Jouk.i18n.translate(pm.context, text);
  const item = (name) => pm.items.find((i) => i.name === name);
  const m = app.module;

  // The file of kind (0 CSV, 1 SVG, 2 GIF, 3 PNG's pixels) as bytes, or null.
  const made = (kind) => {
    const size = m._jouk_save(app.session, kind);
    if (size === 0) return null;
    return new Uint8Array(m.HEAPU8.buffer, m._jouk_answer(app.session), size).slice();
  };
  const notSaved = (name) => app.report(Jouk.i18n.fill(t(pm.notSaved), [name, t(pm.notMade)]));
  const deliver = (name, type, bytes) => {
    if (bytes === null) return notSaved(name);
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  };
  const pngOf = (pixels, { width, height } = app.controls.plotSize) => new Promise((resolve) => {
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(pixels.buffer), width, height), 0, 0);
    canvas.toBlob((blob) => resolve(blob), 'image/png');
  });

  const picture = item('Mn_SavePicture');
  const pngName = picture.fileName;
  const svgName = pngName.replace(/\.png$/, '.svg');
  const savePicture = async () => {
    const kind = await app.messages.choose(t(picture.caption),
      [[t(pm.pngFilter), 'png'], [t(pm.svgFilter), 'svg']]);
    if (kind === 'svg') deliver(svgName, 'image/svg+xml', made(1));
    if (kind !== 'png') return;
    const pixels = made(3);
    if (pixels === null) return notSaved(pngName);
    const blob = await pngOf(pixels);
    if (blob === null) return notSaved(pngName);
    deliver(pngName, 'image/png', new Uint8Array(await blob.arrayBuffer()));
  };
  const copyCanvas = (canvas) => {
    canvas.toBlob(async (blob) => {
      try {
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
      } catch (error) {
        app.report(String(error?.message ?? error));
      }
    }, 'image/png');
  };
  const animation = item('Mn_SaveAnimation');
  const points = item('Mn_SavePoints');
  const actions = {
    Mn_Lift: [() => app.showLift(), false],
    Mn_CopyPicture: [() => copyCanvas(app.controls.plot), true],
    Mn_SavePicture: [savePicture, true],
    Mn_SaveAnimation: [() => deliver(animation.fileName, 'image/gif', made(2)), true],
    Mn_SavePoints: [() => deliver(points.fileName, 'text/csv', made(0)), true],
  };
  pm.items.forEach((i, k) => {
    const [action, needsFlow] = actions[i.name] ?? [() => {}, true];
    app.menu.addItem({ name: i.name, caption: t(i.caption), action, needsFlow });
    if (k === 0) app.menu.addSeparator();
  });
  // For the panels' own saves and copies.
  app.files = { deliver, pngOf, copyCanvas };
};
