// The flow under the pointer, the free stream horizontal and the flow field panel in the page,
// against the exporter: the tooltip's values are the probe's and no pixel of the plot changes
// under it; the tunnel view is the exporter's --view tunnel picture and the saves take it; the
// panel's picture is --format field's at every stage, with and without the pressure colours, in
// both orientations and at a ratio of 2; it follows a recompute and keeps its picture on a
// rejection; its files are the exporter's.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { canvasPixels, exporterArgs, firstDifference, openPage, pageTexts, paths, setTexts, stopAfter,
  withBrowser } from './browser.mjs';
import { decodePng } from './png.mjs';
import { readTs } from '../../web/translations.mjs';

const url = pathToFileURL(paths.page).href;
const fieldPixels = process.env.JOUK_FIELD_PIXELS
  ?? new URL('../../build/tests/model/field_pixels', import.meta.url).pathname;
const scratch = mkdtempSync(join(tmpdir(), 'jouk-field-'));
process.on('exit', () => rmSync(scratch, { recursive: true, force: true }));

function exporter(texts, args) {
  return execFileSync(paths.exporter, [...exporterArgs(texts), ...args],
    { maxBuffer: 1 << 26, stdio: ['ignore', 'pipe', 'ignore'] });
}

// The exporter's field picture as RGBA, or its SVG's bytes.
function exportedField(texts, { t, cp, view }, svg = false) {
  const file = join(scratch, svg ? 'field.svg' : 'field.png');
  exporter(texts, ['--format', 'field', '--map', String(t), ...(cp ? ['--cp'] : []),
    '--view', view === 1 ? 'tunnel' : 'main', '--output', file]);
  const bytes = readFileSync(file);
  return svg ? bytes : decodePng(bytes).rgba;
}

// The probe's rows for the points, by name.
function probe(texts, points, view = 'main') {
  const at = points.flatMap(([x, y]) => ['--at', `${x},${y}`]);
  const [head, ...rows] = String(exporter(texts, [...exporterArgs(texts), '--format', 'probe', '--view', view, ...at]))
    .trim().split('\n');
  const keys = head.split(',');
  return rows.map((row) => Object.fromEntries(row.split(',').map((v, k) => [keys[k], v])));
}

// A readout number as the window writes it: four places, no sign on zero.
const four = (v) => {
  const text = Number(v).toFixed(4);
  return /^-0\.0+$/.test(text) ? text.slice(1) : text;
};
const relative = (a, b) => Math.abs(a - b) / Math.max(Math.abs(b), 1e-300);

// A page with room for the main window and the panel beside it.
async function openWide(browser) {
  const { page } = await openPage(browser, url);
  await page.setViewport({ width: 1600, height: 1000 });
  return page;
}

// Runs body(page, saved) on a wide page whose downloads go to a folder of their own; saved(open,
// name, button) opens a save's choice (open(): a click), picks its button'th choice and gives the
// file's bytes.
async function withDownloads(body) {
  const folder = mkdtempSync(join(tmpdir(), 'jouk-downloads-'));
  try {
    await withBrowser(async (browser) => {
      const page = await openWide(browser);
      const cdp = await page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
      const saved = async (open, name, button) => {
        await open();
        await page.click(`#Dialog_Message .buttons button:nth-child(${button})`);
        for (let k = 0; k < 200 && !readdirSync(folder).includes(name); ++k) await new Promise((r) => setTimeout(r, 100));
        await new Promise((r) => setTimeout(r, 100));
        const bytes = readFileSync(join(folder, name));
        rmSync(join(folder, name));
        return bytes;
      };
      await body(page, saved);
    });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

async function start(page, texts, ticks) {
  await setTexts(page, texts);
  await page.click('#Command_START');
  return stopAfter(page, ticks);
}

async function choose(page, item) {
  const r = await page.$eval('#Picture3', (c) => { const b = c.getBoundingClientRect(); return [b.left + 50, b.top + 50]; });
  await page.mouse.click(r[0], r[1], { button: 'right' });
  await page.click(`#${item}`);
}

// The pointer moved to the CSS pixel (u, v) of an element; the tooltip's text and world point.
async function hover(page, id, u, v) {
  const box = await page.$eval(`#${id}`, (c) => { const b = c.getBoundingClientRect(); return [b.left, b.top]; });
  await page.mouse.move(box[0] + u, box[1] + v);
}

const kPixels = [[20, 30], [150, 120], [300, 200], [333, 207], [480, 260], [599, 399], [420, 180]];

test('the tooltip reads the probe\'s values at the pointer, and no pixel of the plot changes', async () => {
  await withBrowser(async (browser) => {
    const page = await openWide(browser);
    await page.click('#Command_START');
    // While the animation runs the tooltip follows the pointer.
    await hover(page, 'Picture3', 150, 120);
    await page.waitForFunction(() => Number(document.getElementById('Picture3').dataset.ticks) > 3);
    await hover(page, 'Picture3', 480, 260);
    const running = await page.$eval('#Tooltip_Readout', (t) => [t.hidden, t.dataset.x]);
    assert.equal(running[0], false);
    await page.click('#Command_STOP');
    const texts = await pageTexts(page);
    for (const view of ['main', 'tunnel']) {
      if (view === 'tunnel') await choose(page, 'Mn_FreeStreamHorizontal');
      const before = await canvasPixels(page, 'Picture3');
      const shown = [];
      for (const [u, v] of kPixels) {
        await hover(page, 'Picture3', u, v);
        shown.push(await page.$eval('#Tooltip_Readout', (t) => ({ hidden: t.hidden, text: t.textContent,
          x: Number(t.dataset.x), y: Number(t.dataset.y) })));
      }
      assert.ok(before.equals(await canvasPixels(page, 'Picture3')), `${view}: the plot changed under the tooltip`);
      const rows = probe(texts, shown.map((s) => [s.x, s.y]), view);
      let inside = 0;
      shown.forEach((s, k) => {
        const r = rows[k];
        assert.equal(s.hidden, false);
        assert.equal(Number(r.x), s.x);
        const first = `x = ${four(s.x)}, y = ${four(s.y)}`;
        const second = r.inside === '1' ? 'inside the section'
          : `V/U = ${four(r.speed)}, Cp = ${four(r.cp)}, ψ = ${four(r.psi)}`;
        inside += Number(r.inside);
        assert.equal(s.text, `${first}\n${second}`, `${view} at ${kPixels[k]}`);
      });
      assert.ok(inside >= 1 && inside < kPixels.length, `${view}: ${inside} points inside`);
      // The module's values themselves, to 1e-12.
      const values = await page.evaluate((pixels, tunnel) => pixels.map(([u, v]) => Jouk.readoutAt(JoukowskyPage, u, v,
        JoukowskyPage.controls.plotSize, 1, tunnel)), kPixels, view === 'tunnel' ? 1 : 0);
      const exact = probe(texts, values.map((r) => [r.x, r.y]), view);
      values.forEach((r, k) => {
        if (r.inside) return assert.equal(exact[k].inside, '1');
        for (const key of ['speed', 'cp', 'psi']) {
          assert.ok(relative(r[key], Number(exact[k][key])) < 1e-12, `${view} ${key} at ${kPixels[k]}`);
        }
        return undefined;
      });
    }
    // A readout costs the tick nothing to speak of: the module's time per pointer move.
    const perMove = await page.evaluate(() => {
      const t0 = performance.now();
      for (let k = 0; k < 2000; ++k) Jouk.readoutAt(JoukowskyPage, k % 600, k % 400, { width: 600, height: 400 }, 1, 0);
      return (performance.now() - t0) / 2000;
    });
    console.log(`readout: ${perMove.toFixed(4)} ms a pointer move`);
    assert.ok(perMove < 0.5, `${perMove} ms a readout`);
    await page.mouse.move(2, 2);
    assert.equal(await page.$eval('#Tooltip_Readout', (t) => t.hidden), true);
    assert.deepEqual(page.errors, []);
  });
});

test('free stream horizontal: the exporter\'s tunnel view, on and off, and its saves', async () => {
  await withDownloads(async (page, saved) => {
    // The menu as the window's: the two items after the lift's, each group apart; the keys go
    // through them in that order.
    const order = await page.$eval('#PlotMenu', (m) => [...m.children].map((c) => c.id || c.getAttribute('role')));
    assert.deepEqual(order, ['Mn_Lift', 'Mn_Field', 'separator', 'Mn_FreeStreamHorizontal', 'separator',
      'Mn_CopyPicture', 'Mn_SavePicture', 'Mn_SaveAnimation', 'Mn_SavePoints']);
    await page.focus('#Picture3');
    await page.keyboard.down('Shift');
    await page.keyboard.press('F10');
    await page.keyboard.up('Shift');
    const focused = [];
    for (let k = 0; k < 3; ++k) {
      focused.push(await page.evaluate(() => document.activeElement.id));
      await page.keyboard.press('ArrowDown');
    }
    assert.deepEqual(focused, ['Mn_Lift', 'Mn_Field', 'Mn_FreeStreamHorizontal']);
    await page.keyboard.press('Escape');
    // Chosen before the first START: the animation starts in the view.
    await choose(page, 'Mn_FreeStreamHorizontal');
    assert.equal(await page.$eval('#Mn_FreeStreamHorizontal', (i) => i.getAttribute('aria-checked')), 'true');
    let ticks = await start(page, [null, null, '20', null, null, null, '9'], 6);
    const texts = await pageTexts(page);
    const png = (view, n) => decodePng(exporter(texts, ['--format', 'png', '--view', view, '--time', String(n / 10)])).rgba;
    const same = async (view, n, what) => {
      const pixels = await canvasPixels(page, 'Picture3');
      const expected = png(view, n);
      assert.ok(pixels.equals(expected), `${what}: differs at ${firstDifference(pixels, expected, 600)}`);
    };
    await same('tunnel', ticks, 'started in the view');
    await choose(page, 'Mn_FreeStreamHorizontal');
    await same('main', ticks, 'turned off');
    // Turned on while the animation runs: it goes on in the view.
    await page.click('#Command_START');
    await page.waitForFunction(() => Number(document.getElementById('Picture3').dataset.ticks) >= 2);
    await choose(page, 'Mn_FreeStreamHorizontal');
    await page.waitForFunction(() => Number(document.getElementById('Picture3').dataset.ticks) >= 9);
    await page.click('#Command_STOP');
    ticks = await page.$eval('#Picture3', (c) => Number(c.dataset.ticks));
    // The saves take the view shown.
    const menuSave = () => choose(page, 'Mn_SavePicture');
    const time = ['--time', String(ticks / 10)];
    assert.ok((await saved(menuSave, 'streamlines.svg', 2)).equals(exporter(texts, ['--format', 'svg', '--view', 'tunnel', ...time])), 'SVG');
    assert.ok(decodePng(await saved(menuSave, 'streamlines.png', 1)).rgba.equals(png('tunnel', ticks)), 'PNG');
    assert.deepEqual(page.errors, []);
  });
});

// Sets the panel's controls: the stage in slider steps, the pressure colours, the orientation.
async function setPanel(page, { t, cp, view }) {
  await page.evaluate((steps, colours, orientation) => {
    const slider = document.getElementById('Slider_Map');
    slider.value = String(Math.round(steps * Number(slider.max)));
    document.getElementById('Check_Cp').checked = colours === 1;
    document.getElementById('Combo_Orientation').value = String(orientation);
    slider.dispatchEvent(new Event('input'));
  }, t, cp, view);
}

const kStages = [
  ['circle plane', { t: 0, cp: 0, view: 0 }], ['halfway', { t: 0.5, cp: 0, view: 0 }],
  ['section', { t: 1, cp: 0, view: 0 }], ['circle plane, Cp', { t: 0, cp: 1, view: 0 }],
  ['halfway, Cp', { t: 0.5, cp: 1, view: 0 }], ['section, Cp', { t: 1, cp: 1, view: 0 }],
  ['tunnel halfway, Cp', { t: 0.5, cp: 1, view: 1 }], ['tunnel section', { t: 1, cp: 0, view: 1 }],
];

test('the flow field panel: the exporter\'s pictures, hover marks, recompute and rejection, files', async () => {
  await withDownloads(async (page, saved) => {
    // Before the first START: the plot's ground and the note.
    await choose(page, 'Mn_Field');
    const empty = await canvasPixels(page, 'FieldView');
    assert.ok(empty.every((b, i) => b === [80, 80, 80, 255][i % 4]));
    assert.notEqual(await page.$eval('#Label_FieldNote', (n) => n.textContent), '');
    const placed = await page.evaluate(() => [document.getElementById('Form_Field').getBoundingClientRect().left,
      document.getElementById('Form1_Client').getBoundingClientRect().right]);
    assert.ok(placed[0] >= placed[1], 'the panel beside the main window');
    await start(page, [null, null, '10', null, null, null, '7'], 2);
    let texts = await pageTexts(page);
    for (const [name, setup] of kStages) {
      await setPanel(page, setup);
      const pixels = await canvasPixels(page, 'FieldView');
      const expected = exportedField(texts, setup);
      assert.ok(pixels.equals(expected), `${name}: differs at ${firstDifference(pixels, expected, 600)}`);
    }
    // The hover: the readout of the plot at t = 1, and the marks of the two planes answer each
    // other: the image of the circle point, and back.
    await setPanel(page, { t: 1, cp: 0, view: 0 });
    const before = await canvasPixels(page, 'FieldView');
    await hover(page, 'FieldView', 480, 260);
    const panelText = await page.$eval('#Label_Readout', (r) => r.textContent);
    assert.ok(before.equals(await canvasPixels(page, 'FieldView')), 'the picture changed under the pointer');
    // At the section the other plane's point is the circle plane's: the mark lies elsewhere.
    const mark = JSON.parse(await page.$eval('#FieldMark', (m) => m.dataset.mark));
    assert.ok(Math.hypot(mark[0] - 480, mark[1] - 260) > 1, JSON.stringify(mark));
    const ring = await canvasPixels(page, 'FieldMark');
    assert.ok(ring.some((b, i) => i % 4 === 3 && b > 0), 'the ring drawn over the picture');
    await hover(page, 'Picture3', 480, 260);
    assert.equal(panelText, await page.$eval('#Tooltip_Readout', (t) => t.textContent));
    assert.equal(await page.$eval('#FieldMark', (m) => m.dataset.mark), '', 'no mark once the pointer left');
    const there = await page.evaluate(() => {
      const size = JoukowskyPage.controls.plotSize;
      const a = Jouk.readoutAt(JoukowskyPage, 123.25, 301.5, size, 0, 0);
      const b = Jouk.readoutAt(JoukowskyPage, a.other[0], a.other[1], size, 1, 0);
      return { a, b };
    });
    assert.ok(Math.abs(there.b.other[0] - 123.25) < 1e-3 && Math.abs(there.b.other[1] - 301.5) < 1e-3,
      JSON.stringify(there));
    // ψ is carried by the map; the speed is each stage's own body's.
    assert.ok(relative(there.b.psi, there.a.psi) < 1e-6, JSON.stringify(there));

    // The files, for a stage between the planes with the colours.
    const setup = { t: 0.5, cp: 1, view: 0 };
    await setPanel(page, setup);
    const panelSave = () => page.click('#Button_Save');
    assert.ok((await saved(panelSave, 'flow-field.svg', 2)).equals(exportedField(texts, setup, true)), 'SVG bytes');
    assert.ok(decodePng(await saved(panelSave, 'flow-field.png', 1)).rgba.equals(exportedField(texts, setup)), 'PNG pixels');

    // An accepted recompute is followed; a rejected one leaves the picture.
    await start(page, [null, null, '4', null, null, null, '11'], 1);
    texts = await pageTexts(page);
    assert.ok((await canvasPixels(page, 'FieldView')).equals(exportedField(texts, setup)), 'after the recompute');
    const shown = await canvasPixels(page, 'FieldView');
    const draws = await page.$eval('#FieldView', (c) => c.dataset.draws);
    await setTexts(page, [null, null, null, null, null, null, null, '-1']);
    await page.click('#Command_START');
    await page.waitForSelector('#Dialog_Message[open]');
    await page.click('#Dialog_Message .buttons button');
    assert.equal(await page.$eval('#FieldView', (c) => c.dataset.draws), draws);
    assert.ok((await canvasPixels(page, 'FieldView')).equals(shown), 'kept on the rejection');
    await setPanel(page, setup);
    assert.ok((await canvasPixels(page, 'FieldView')).equals(shown), 'the flow of the last accepted texts');

    // Play runs the stage down from 1 and back, about three seconds a round.
    await setPanel(page, { t: 1, cp: 0, view: 0 });
    await page.click('#Button_Play');
    await page.waitForFunction(() => Number(document.getElementById('Slider_Map').value) < 20, { timeout: 4000 });
    await page.waitForFunction(() => Number(document.getElementById('Slider_Map').value) > 80, { timeout: 4000 });
    await page.click('#Form_Field .titlebar .close');
    const stopped = await page.$eval('#Slider_Map', (s) => s.value);
    await new Promise((r) => setTimeout(r, 200));
    assert.equal(await page.$eval('#Slider_Map', (s) => s.value), stopped, 'closing stops Play');
    assert.deepEqual(page.errors, []);
  });
});

test('at a ratio of 2 the panel is the desktop raster\'s field picture at 1200 × 800, pen 2', async () => {
  await withBrowser(async (browser) => {
    const page = await browser.newPage();
    await page.setViewport({ width: 1600, height: 1000, deviceScaleFactor: 2 });
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(String(error)));
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    await start(page, [null, '0.04', '12'], 1);
    const texts = await pageTexts(page);
    await choose(page, 'Mn_Field');
    assert.deepEqual(await page.$eval('#FieldView', (c) => [c.width, c.height, c.dataset.pen]), [1200, 800, '2']);
    for (const [name, setup] of [kStages[1], kStages[5]]) {
      await setPanel(page, setup);
      const pixels = await canvasPixels(page, 'FieldView');
      const expected = execFileSync(fieldPixels, ['1200', '800', '2', String(setup.t), String(setup.cp),
        setup.view === 1 ? 'tunnel' : 'main', ...texts], { maxBuffer: 1 << 26 });
      assert.ok(pixels.equals(expected), `${name}: differs at ${firstDifference(pixels, expected, 1200)}`);
    }
    // Play's frames with the colours are drafts; the picture it stops at is drawn whole.
    await page.click('#Button_Play');
    await page.waitForFunction(() => document.getElementById('FieldView').dataset.draft === 'true', { timeout: 5000 });
    await page.click('#Button_Play');
    const stage = await page.$eval('#Slider_Map', (s) => Number(s.value) / Number(s.max));
    assert.equal(await page.$eval('#FieldView', (c) => c.dataset.draft), 'false');
    const stopped = execFileSync(fieldPixels, ['1200', '800', '2', String(stage), '1', 'main', ...texts],
      { maxBuffer: 1 << 26 });
    assert.ok((await canvasPixels(page, 'FieldView')).equals(stopped), `stopped at ${stage}`);
    assert.deepEqual(page.errors, []);
  });
});

test('the readout and the panel in German and Turkish', async () => {
  const words = Object.fromEntries(['de', 'tr'].map((l) => [l, readTs(readFileSync(
    new URL(`../../translations/joukowsky_${l}.ts`, import.meta.url), 'utf8')).table]));
  await withBrowser(async (browser) => {
    for (const language of ['de', 'tr']) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument((l) => {
        Object.defineProperty(navigator, 'languages', { get: () => [l, 'en'] });
      }, language);
      await page.goto(url);
      await page.waitForSelector('body[data-ready="true"]');
      const tr = (context, text) => words[language][`${context}\u0004${text}`] ?? assert.fail(`${context}: ${text}`);
      await start(page, [], 1);
      await hover(page, 'Picture3', 300, 200);
      assert.equal((await page.$eval('#Tooltip_Readout', (t) => t.textContent)).split('\n')[1],
        tr('FieldReadout', 'inside the section'));
      assert.equal(await page.$eval('#Mn_Field', (i) => i.textContent), tr('PlotMenu', 'Flow field…'));
      await choose(page, 'Mn_Field');
      assert.equal(await page.$eval('#Form_Field .titlebar span', (s) => s.textContent), tr('Form_Field', 'Flow field'));
      assert.equal(await page.$eval('#Button_Play', (b) => b.textContent), tr('Form_Field', 'Play'));
      await page.close();
    }
  });
});
