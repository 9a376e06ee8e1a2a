// The page as the window: every control's box from the layout's twips, the captions, the focus
// and the tab order, the scroll bars' ranges and steps with one recompute per completed change,
// typed text taking effect at the next change, the rejection box leaving the picture alone, the
// About window made once, the notes' marks and tooltips, the languages, the lift window and the
// saved files, byte for byte the exporter's.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { canvasPixels, exporterArgs, native, openPage, pageTexts, paths, setTexts, stopAfter,
  withBrowser } from './browser.mjs';
import { decodePng } from './png.mjs';
import { readTs } from '../../web/translations.mjs';

const url = pathToFileURL(paths.page).href;
const tables = JSON.parse(execFileSync(native.tablesJson, { encoding: 'utf8' }));
const w = tables.mainWindow;
const px = (twips) => Math.trunc(twips / tables.twipsPerPixel);
const boxPx = (b, at = { left: 0, top: 0 }) => ({ left: at.left + px(b.left), top: at.top + px(b.top),
  width: px(b.width), height: px(b.height) });

// Every control's box relative to the client area, in the page's CSS pixels.
async function boxes(page) {
  return page.evaluate(() => {
    const client = document.getElementById('Form1_Client').getBoundingClientRect();
    const out = { Form1_Client: { left: 0, top: 0, width: client.width, height: client.height } };
    for (const el of document.querySelectorAll('#Form1_Client [id]')) {
      const r = el.getBoundingClientRect();
      out[el.id] = { left: r.left - client.left, top: r.top - client.top, width: r.width, height: r.height };
    }
    return out;
  });
}

const recomputes = (page) => page.evaluate(() => JoukowskyPage.recomputes);
const value = (page, id) => page.$eval(`#${id}`, (el) => el.value ?? Number(el.getAttribute('aria-valuenow')));
const barValue = (page, id) => page.$eval(`#${id}`, (el) => Number(el.getAttribute('aria-valuenow')));

function exporterRun(args) {
  return spawnSync(paths.exporter, args, { encoding: 'latin1', maxBuffer: 1 << 26 });
}

test('layout, captions, focus and tab order', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    const shown = await boxes(page);
    const expected = { Form1_Client: boxPx({ left: 0, top: 0, ...w.client }) };
    const frames = {};
    for (const f of w.frames) expected[f.name] = frames[f.name] = boxPx(f.box);
    for (const row of w.parameters) {
      const frame = frames[row.frame];
      for (const c of [row.label, row.textBox, row.scrollBar]) if (c) expected[c.name] = boxPx(c.box, frame);
    }
    for (const c of [w.start, w.stop, w.plot]) expected[c.name] = boxPx(c.box);
    // A one-line label too narrow for its caption grows to the right, as in the window.
    const grows = new Set(w.parameters.filter((r) => !r.label.wrap).map((r) => r.label.name));
    for (const [name, box] of Object.entries(expected)) {
      const actual = { ...shown[name] };
      if (grows.has(name) && actual.width > box.width) actual.width = box.width;
      assert.deepEqual(actual, box, name);
    }
    assert.deepEqual([shown.Picture3.width, shown.Picture3.height], [600, 400]);

    const captions = await page.evaluate(() => ({
      title: document.title,
      labels: [...document.querySelectorAll('#Form1_Client label')].map((l) => [l.id, l.textContent, l.htmlFor]),
      start: document.getElementById('Command_START').textContent,
      stop: document.getElementById('Command_STOP').textContent,
      about: document.getElementById('Mn_About').textContent,
      frames: [...document.querySelectorAll('.frame')].map((f) => f.getAttribute('aria-label')),
    }));
    assert.equal(captions.title, 'Streamlines around Joukowsky airfoil');
    assert.deepEqual(captions.labels.map((l) => l[1]),
      ['δ =', 'γ =', 'α =', 'Kutta condition', 'Scale =', 'Δψ =', 'nSL =', 'dR =']);
    assert.deepEqual(captions.labels.map((l) => l[2]), w.parameters.map((r) => r.textBox.name));
    assert.deepEqual([captions.start, captions.stop, captions.about], ['START', 'STOP', 'About']);
    assert.deepEqual(captions.frames, w.frames.map((f) => f.accessibleName));

    assert.equal(await page.evaluate(() => document.activeElement.id), 'Text_DELTA');
    const visited = ['Text_DELTA'];
    for (let k = 1; k < w.focusOrder.length; ++k) {
      await page.keyboard.press('Tab');
      visited.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(visited, w.focusOrder);
    assert.deepEqual(w.focusOrder.slice(0, 9), ['Text_DELTA', 'Text_GAMA', 'Text_Alfa', 'Text_iKutta',
      'Text_kMax', 'Text_dPsi', 'Text_Olcek', 'Text_dR', 'HScroll_Alfa']);
    assert.equal(await page.$eval('#Picture3', (c) => c.dataset.ticks), '0');
    assert.equal(await recomputes(page), 0, 'nothing is computed at start-up');
    assert.deepEqual(page.errors, []);
  });
});

test('scroll bars: ranges, steps, one recompute per completed change', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    const aria = await page.evaluate(() => [...document.querySelectorAll('[role="scrollbar"]')].map((b) =>
      [b.id, Number(b.getAttribute('aria-valuemin')), Number(b.getAttribute('aria-valuemax')),
        Number(b.getAttribute('aria-valuenow')), b.getAttribute('aria-controls')]));
    const expected = w.parameters.map((row, k) => [row, tables.parameters[k].scrollBar])
      .filter(([row]) => row.scrollBar).map(([row, s]) => [row.scrollBar.name, s.minimum, s.maximum, s.start, row.textBox.name]);
    assert.deepEqual(aria.sort(), expected.sort());

    await page.evaluate(() => {
      window.recomputedEvents = 0;
      JoukowskyPage.events.addEventListener('recomputed', () => ++window.recomputedEvents);
    });
    let count = 0;
    const expectChange = async (what, bar, box, position, text) => {
      ++count;
      assert.equal(await recomputes(page), count, `${what}: one recompute`);
      assert.equal(await barValue(page, bar), position, what);
      assert.equal(await value(page, box), text, what);
    };
    await page.click('#HScroll_Delta .increase');
    await expectChange('arrow', 'HScroll_Delta', 'Text_DELTA', 13, '0.13');
    const track = await page.$eval('#HScroll_Alfa .track', (t) => { const r = t.getBoundingClientRect(); return [r.right - 2, r.top + r.height / 2]; });
    await page.mouse.click(track[0], track[1]);
    await expectChange('track', 'HScroll_Alfa', 'Text_Alfa', 10, '10');
    await page.focus('#HScroll_Alfa');
    await page.keyboard.press('ArrowLeft');
    await expectChange('arrow key', 'HScroll_Alfa', 'Text_Alfa', 9, '9');
    await page.keyboard.press('Home');
    await expectChange('Home', 'HScroll_Alfa', 'Text_Alfa', -10, '-10');
    await page.keyboard.press('Home');
    assert.equal(await recomputes(page), count, 'no change, no recompute');
    await page.focus('#HScroll_kMax');
    await page.keyboard.press('PageUp');
    await expectChange('page step', 'HScroll_kMax', 'Text_kMax', 8, '8');
    await page.keyboard.press('ArrowLeft');
    await expectChange('arrow step 2', 'HScroll_kMax', 'Text_kMax', 6, '6');
    const olcek = await page.$eval('#HScroll_Olcek', (b) => { const r = b.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; });
    await page.mouse.move(olcek[0], olcek[1]);
    await page.mouse.wheel({ deltaY: 100 });
    await page.waitForFunction(() => document.getElementById('HScroll_Olcek').getAttribute('aria-valuenow') === '11');
    await expectChange('wheel notch down', 'HScroll_Olcek', 'Text_Olcek', 11, '1.1');
    await page.mouse.wheel({ deltaY: -100 });
    await page.waitForFunction(() => document.getElementById('HScroll_Olcek').getAttribute('aria-valuenow') === '10');
    ++count;
    await page.mouse.wheel({ deltaY: -100 });
    await page.waitForFunction(() => document.getElementById('HScroll_Olcek').getAttribute('aria-valuenow') === '9');
    await expectChange('two notches up', 'HScroll_Olcek', 'Text_Olcek', 9, '0.9');
    await page.focus('#HScroll_iKutta');
    await page.keyboard.press('End');
    assert.equal(await recomputes(page), count, 'iKutta at its end already');
    await page.keyboard.press('ArrowLeft');
    await expectChange('Kutta', 'HScroll_iKutta', 'Text_iKutta', 9, '0.9');

    // The thumb of nSL dragged to an odd position: shown while dragged, one recompute on release.
    const thumb = await page.$eval('#HScroll_kMax .thumb', (t) => { const r = t.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; });
    const travel = await page.evaluate(() => { const b = JoukowskyPage.controls.scrollBars[6]; return b.geometry().travel; });
    await page.mouse.move(thumb[0], thumb[1]);
    await page.mouse.down();
    for (let step = 1; step <= 6; ++step) await page.mouse.move(thumb[0] + (step * travel) / 16, thumb[1]);
    assert.equal(await recomputes(page), count, 'no recompute while dragging');
    await page.mouse.up();
    // 6 at the start; a quarter and an eighth of the way from 2 to 10 further: 6 + 3 = 9.
    await expectChange('drag', 'HScroll_kMax', 'Text_kMax', 9, '9');

    // Typed text waits for the next change: δ 0.2 typed, α moved; δ's bar stays.
    await page.click('#Text_DELTA', { clickCount: 3 });
    await page.keyboard.type('0.2');
    await page.keyboard.press('Enter');
    assert.equal(await recomputes(page), count, 'typing and Enter compute nothing');
    await page.focus('#HScroll_Alfa');
    await page.keyboard.press('ArrowRight');
    await expectChange('after typing', 'HScroll_Alfa', 'Text_Alfa', -9, '-9');
    assert.equal(await value(page, 'Text_DELTA'), '0.2');
    assert.equal(await barValue(page, 'HScroll_Delta'), 13);
    assert.equal(await page.evaluate(() => window.recomputedEvents), count, 'one event a recompute');
    assert.deepEqual(page.errors, []);
  });
});

test('a rejection says why in a modal box and leaves the picture and the animation', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    await page.click('#Command_START');
    await stopAfter(page, 2);
    const before = await canvasPixels(page, 'Picture3');
    const ticks = await page.$eval('#Picture3', (c) => c.dataset.ticks);
    await setTexts(page, [null, null, null, null, null, null, null, '0']);
    await page.click('#Command_START');
    const box = await page.evaluate(() => ({ open: document.getElementById('Dialog_Message').open,
      text: document.getElementById('Dialog_Message_Text').textContent, running: JoukowskyPage.running }));
    const reason = exporterRun(['--dr=0']).stderr.trim();
    assert.ok(box.open);
    assert.ok(reason.endsWith(box.text), `${box.text} / ${reason}`);
    assert.equal(box.text, 'dR must be a positive number.');
    assert.equal(box.running, false, 'a stopped animation stays stopped');
    assert.ok((await canvasPixels(page, 'Picture3')).equals(before), 'the picture is untouched');
    assert.equal(await page.$eval('#Picture3', (c) => c.dataset.ticks), ticks);
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Dialog_Message', (d) => d.open), false);

    // While the animation runs: a scroll-bar change with a rejected set writes its box, the
    // animation goes on.
    await setTexts(page, [null, null, null, null, null, null, null, '0.01']);
    await page.click('#Command_START');
    await setTexts(page, [null, null, null, null, null, null, '25']);
    await page.focus('#HScroll_Delta');
    await page.keyboard.press('ArrowRight');
    assert.equal(await value(page, 'Text_DELTA'), '0.13');
    const during = await page.evaluate(() => ({ running: JoukowskyPage.running, shown: JoukowskyPage.messages.shown,
      text: document.getElementById('Dialog_Message_Text').textContent }));
    assert.equal(during.running, true);
    assert.equal(during.text, 'nSL must be a number from 2 to 20.');
    const t0 = Number(await page.$eval('#Picture3', (c) => c.dataset.ticks));
    await page.waitForFunction((t) => Number(document.getElementById('Picture3').dataset.ticks) > t + 3, {}, t0);
    assert.deepEqual(page.errors, []);
  });
});

test('About opens one window, with its colours and labels', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    assert.equal(await page.$('#Form_About'), null, 'made on first use');
    await page.click('#Mn_About');
    await page.click('#Mn_About');
    const about = await page.evaluate(() => {
      const windows = document.querySelectorAll('#Form_About');
      const client = windows[0].querySelector('.client');
      const c = client.getBoundingClientRect();
      return { count: windows.length, hidden: windows[0].hidden, ground: getComputedStyle(client).backgroundColor,
        size: [c.width, c.height], caption: windows[0].querySelector('.titlebar span').textContent,
        labels: [...client.querySelectorAll('p')].map((p) => { const r = p.getBoundingClientRect(); const s = getComputedStyle(p);
          return [p.id, p.textContent, r.left - c.left, r.top - c.top, r.width, r.height, s.color, s.fontWeight, s.textAlign]; }) };
    });
    const a = tables.aboutWindow;
    assert.equal(about.count, 1);
    assert.equal(about.hidden, false);
    assert.equal(about.caption, 'About');
    assert.equal(about.ground, 'rgb(255, 255, 192)');
    assert.deepEqual(about.size, [px(a.client.width), px(a.client.height)]);
    assert.deepEqual(about.labels, a.labels.map((l) => [l.name, l.text, px(l.box.left), px(l.box.top),
      px(l.box.width), px(l.box.height), `rgb(${l.colour.red}, ${l.colour.green}, ${l.colour.blue})`,
      String(l.font.weight), l.align === 'centre' ? 'center' : 'left']));
    await page.click('#Form_About .close');
    assert.equal(await page.$eval('#Form_About', (el) => el.hidden), true);
    await page.click('#Mn_About');
    assert.deepEqual(await page.evaluate(() => [document.querySelectorAll('#Form_About').length,
      document.getElementById('Form_About').hidden]), [1, false]);
    assert.deepEqual(page.errors, []);
  });
});

test('notes mark the boxes not read as typed, in the exporter\'s words', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    const g = tables.noteGround;
    const marks = () => page.evaluate((ids) => ids.map((id) => {
      const el = document.getElementById(id);
      return [el.title, el.style.backgroundColor, el.getAttribute('aria-description')];
    }), ['Text_DELTA', 'Text_GAMA', 'Text_Alfa']);
    await setTexts(page, ['0.125', null, '12abc']);
    await page.click('#Command_START');
    const args = ['--delta=0.125', '--alpha=12abc', '--format', 'summary'];
    const notes = Buffer.from(exporterRun(args).stderr, 'latin1').toString('utf8').split('\n').filter((l) => l.includes('note:'));
    const [delta, gama, alfa] = await marks();
    const ground = `rgb(${g.red}, ${g.green}, ${g.blue})`;
    for (const [mark, option] of [[delta, '--delta, --gamma'], [gama, '--delta, --gamma'], [alfa, '--alpha']]) {
      assert.ok(notes.some((n) => n.endsWith(`note: ${option}: ${mark[0]}.`)), `${option}: ${mark[0]} in ${notes}`);
      assert.equal(mark[1], ground);
      assert.equal(mark[2], mark[0]);
    }
    assert.match(delta[0], /flat plate/);
    await setTexts(page, ['0.12', null, '12']);
    await page.click('#Command_START');
    for (const mark of await marks()) assert.deepEqual(mark, ['', '', null]);
    assert.deepEqual(page.errors, []);
  });
});

test('a box typed into since the last recompute is marked until the next one', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    const g = tables.noteGround;
    const ground = `rgb(${g.red}, ${g.green}, ${g.blue})`;
    const pending = 'Not applied yet: press START or move a scroll bar';
    const marks = () => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('#Form1 input')]
      .map((el) => [el.id, [el.title, el.style.backgroundColor, el.dataset.pending ?? 'false']])));
    const unmarked = ['', '', 'false'];
    const typeInto = async (id, keys) => {
      await page.focus(`#${id}`);
      await page.keyboard.press('End');
      for (const key of keys) await page.keyboard.press(key);
    };
    const cases = [
      { name: 'typing marks the box alone', id: 'Text_Alfa', keys: ['1'], Text_Alfa: [pending, ground, 'true'] },
      { name: 'the applied text again is not pending', id: 'Text_Alfa', keys: ['Backspace'], Text_Alfa: unmarked },
      { name: 'Enter applies nothing', id: 'Text_dPsi', keys: ['5', 'Enter'], Text_dPsi: [pending, ground, 'true'] },
    ];
    for (const row of cases) {
      await typeInto(row.id, row.keys);
      const shown = await marks();
      for (const [id, mark] of Object.entries(shown)) assert.deepEqual(mark, row[id] ?? unmarked, `${row.name}: ${id}`);
    }
    await page.click('#Command_START');
    for (const [id, mark] of Object.entries(await marks())) assert.deepEqual(mark, unmarked, `START: ${id}`);

    // A rejected recompute applies nothing: the box stays marked. A note follows the mark.
    await setTexts(page, [null, null, null, null, null, null, null, '0']);
    await page.click('#Command_START');
    await page.keyboard.press('Enter');
    assert.deepEqual((await marks()).Text_dR, [pending, ground, 'true']);
    await setTexts(page, [null, null, '12abc', null, null, null, null, '0.01']);
    await page.click('#Command_START');
    const note = (await marks()).Text_Alfa[0];
    assert.match(note, /^Read as 12/);
    await typeInto('Text_Alfa', ['d']);
    assert.deepEqual((await marks()).Text_Alfa, [`${pending}\n${note}`, ground, 'true']);
    assert.deepEqual(page.errors, []);
  });
});

test('in German and in Turkish from the window\'s translations', async () => {
  for (const language of ['de', 'tr']) {
    const table = readTs(readFileSync(new URL(`../../translations/joukowsky_${language}.ts`, import.meta.url), 'utf8')).table;
    const t = (context, text) => table[`${context}\u0004${text}`] ?? text;
    await withBrowser(async (browser) => {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument((l) => {
        Object.defineProperty(navigator, 'languages', { get: () => [`${l}-XX`, 'en'] });
      }, language);
      await page.goto(url);
      await page.waitForSelector('body[data-ready="true"]');
      const shown = await page.evaluate(() => ({ start: document.getElementById('Command_START').textContent,
        kutta: document.getElementById('Label6').textContent, title: document.title, lang: document.documentElement.lang }));
      assert.deepEqual(shown, { start: t('Form1', 'START'), kutta: t('ParameterLabel', 'Kutta condition'),
        title: t('Form1', 'Streamlines around Joukowsky airfoil'), lang: language });
      assert.notEqual(shown.start, 'START');
      await setTexts(page, [null, null, null, null, null, null, null, '-1']);
      await page.click('#Command_START');
      const text = await page.$eval('#Dialog_Message_Text', (el) => el.textContent);
      assert.equal(text, t('Recompute', '%1 must be a positive number.').replace('%1', t('ParameterName', 'dR')));
    });
  }
  await withBrowser(async (browser) => {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, 'languages', { get: () => ['fr-FR', 'de'] }));
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de', 'the first language with a table');
  });
});

// The same CSV table: the same rows and whole numbers, the doubles to a relative 1e-12 (the
// browser's libm differs from glibc's by an ulp here and there).
function sameTable(a, b) {
  const rows = (t) => t.trim().split('\n').map((l) => l.split(','));
  const [x, y] = [rows(a), rows(b)];
  assert.equal(x.length, y.length, 'rows');
  x.forEach((row, i) => row.forEach((cell, j) => {
    const [u, v] = [cell, y[i][j]];
    if (u === v) return;
    const [p, q] = [Number(u), Number(v)];
    assert.ok(/\./.test(u) && Math.abs(p - q) <= 1e-12 * Math.max(Math.abs(p), Math.abs(q), 1e-3),
      `row ${i + 1}, column ${j + 1}: ${u} and ${v}`);
  }));
}

// Opens the plot's menu by a right click and chooses an item.
async function choose(page, item) {
  const r = await page.$eval('#Picture3', (c) => { const b = c.getBoundingClientRect(); return [b.left + 50, b.top + 50]; });
  await page.mouse.click(r[0], r[1], { button: 'right' });
  assert.equal(await page.$eval('#PlotMenu', (m) => m.hidden), false);
  await page.click(`#${item}`);
}

test('the lift window\'s −Cp axis takes the model\'s ticks, 0 among them', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    await setTexts(page, [null, null, '12']);
    await page.click('#Command_START');
    await page.click('#Command_STOP');
    await choose(page, 'Mn_Lift');
    const { drawn, axis } = await page.evaluate(() => {
      const app = JoukowskyPage;
      return { drawn: JSON.parse(document.getElementById('PressurePlot').dataset.axisTicks),
        axis: app.json(app.module._jouk_lift_json(app.session)).axis };
    });
    assert.deepEqual(drawn, axis.ticks);
    assert.ok(drawn.includes(0), `0 among ${drawn}`);
    // Whole multiples of the step, one step apart, from the axis's bottom to its top.
    const k = drawn.map((v) => v / axis.step);
    k.forEach((m, i) => assert.ok(Math.abs(m - Math.round(m)) < 1e-9 && (i === 0 || Math.round(m) === Math.round(k[i - 1]) + 1), `${drawn}`));
    assert.ok(drawn[0] >= axis.bottom - 1e-9 * axis.step && drawn[0] - axis.step < axis.bottom);
    assert.ok(drawn.at(-1) <= axis.top + 1e-9 * axis.step && drawn.at(-1) + axis.step > axis.top);
    assert.deepEqual(page.errors, []);
  });
});

test('a flat plate\'s suction peak is cut on the page\'s −Cp axis, as in the window', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    await setTexts(page, ['0', '0', '10']);
    await page.click('#Command_START');
    await page.click('#Command_STOP');
    await choose(page, 'Mn_Lift');
    const axis = await page.evaluate(() => {
      const app = JoukowskyPage;
      return app.json(app.module._jouk_lift_json(app.session)).axis;
    });
    assert.equal(axis.peakCut, true);
    assert.ok(axis.top < 20 && Number(axis.peak) > axis.top, `${axis.top} ${axis.peak}`);
    assert.deepEqual(page.errors, []);
  });
});

test('the plot\'s menu: lift and pressure, and the saved files\' bytes', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'jouk-saves-'));
  try {
    await withBrowser(async (browser) => {
      const { page } = await openPage(browser, url);
      const cdp = await page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
      await choose(page, 'Mn_Lift');
      assert.equal(await page.$eval('#Value_Circulation', (el) => el.textContent), '—');
      assert.equal(await page.$eval('#Mn_SavePoints', (el) => el.getAttribute('aria-disabled')), 'true');
      await setTexts(page, [null, null, '8', null, null, null, '7']);
      await page.click('#Command_START');
      const ticks = await stopAfter(page, 4);
      const texts = await pageTexts(page);
      const summary = (extra) => Object.fromEntries(exporterRun([...exporterArgs(texts), ...extra, '--format', 'summary'])
        .stdout.trim().split('\n').slice(1).map((l) => l.split(',')));
      const figures = () => page.evaluate(() => [document.getElementById('Value_Circulation').textContent,
        document.getElementById('Value_Lift').textContent]);
      const [gamma, cl] = (await figures()).map(Number);
      const s = summary([]);
      assert.ok(Math.abs(gamma / Number(s.circulation) - 1) < 1e-5, `${gamma} ${s.circulation}`);
      assert.ok(Math.abs(cl / Number(s.lift_coefficient) - 1) < 1e-5);
      await page.focus('#HScroll_iKutta');
      await page.keyboard.press('ArrowLeft');
      await page.click('#Command_STOP');
      const cl2 = Number((await figures())[1]);
      assert.ok(Math.abs(cl2 / Number(summary(['--kutta=0.9']).lift_coefficient) - 1) < 1e-5, 'follows the recompute');

      // The saves, for the texts and the moment shown (after a fresh START, as the exporter).
      await setTexts(page, [null, null, null, '1']);
      await page.click('#Command_START');
      const shownTicks = await stopAfter(page, 3);
      const shown = await pageTexts(page);
      await setTexts(page, ['junk typed after']);
      const saved = async (item, name, extra) => {
        await choose(page, item);
        if (extra) await extra();
        const file = join(folder, name);
        for (let k = 0; k < 200 && !readdirSync(folder).includes(name); ++k) await new Promise((r) => setTimeout(r, 100));
        await new Promise((r) => setTimeout(r, 100));
        const bytes = readFileSync(file);
        rmSync(file);
        return bytes;
      };
      const exporter = (args) => execFileSync(paths.exporter, [...exporterArgs(shown), ...args], { maxBuffer: 1 << 26, stdio: ['ignore', 'pipe', 'ignore'] });
      sameTable(String(await saved('Mn_SavePoints', 'streamlines.csv')), String(exporter([])));
      assert.ok((await saved('Mn_SaveAnimation', 'streamlines.gif')).equals(exporter(['--format', 'gif'])), 'GIF');
      const pick = (n) => async () => page.click(`#Dialog_Message .buttons button:nth-child(${n})`);
      const time = ['--time', String(shownTicks / 10)];
      assert.ok((await saved('Mn_SavePicture', 'streamlines.svg', pick(2))).equals(exporter(['--format', 'svg', ...time])), 'SVG');
      const png = decodePng(await saved('Mn_SavePicture', 'streamlines.png', pick(1)));
      assert.ok(png.rgba.equals(decodePng(exporter(['--format', 'png', ...time])).rgba), 'PNG pixels');
      assert.ok(ticks > 0);
      assert.deepEqual(page.errors, []);
    });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
