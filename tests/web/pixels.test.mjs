// The canvas after START (or a scroll-bar change) and STOP holds exactly the pixels of
// joukowsky-export --format png --time T, T = data-ticks / 10, over many parameter sets: scroll-
// bar positions, typed values, a table miss, odd nSL up to 20 and the heaviest accepted set; at a
// device pixel ratio of 2 it holds the desktop raster's picture at 1200 × 800 with a pen of 2.
// Each set runs on a freshly loaded page, as the exporter starts from a fresh store.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { canvasPixels, exporterArgs, firstDifference, native, openPage, pageTexts, paths,
  setTexts, stopAfter, withBrowser } from './browser.mjs';
import { decodePng } from './png.mjs';

const url = pathToFileURL(paths.page).href;

function exported(texts, ticks) {
  const png = execFileSync(paths.exporter,
    ['--format', 'png', '--time', String(ticks / 10), ...exporterArgs(texts)],
    { maxBuffer: 1 << 26, stdio: ['ignore', 'pipe', 'ignore'] });
  return decodePng(png).rgba;
}

function replayed(texts, ticks, width, height, pen) {
  return execFileSync(native.replayPixels,
    [String(width), String(height), String(pen), String(ticks), ...texts],
    { maxBuffer: 1 << 26, stdio: ['ignore', 'pipe', 'ignore'] });
}

// The sets typed into the boxes: [name, the eight texts (null keeps the start text), ticks].
const S = (delta, gama, alfa, kutta, scale, dpsi, nsl, dr) => [delta, gama, alfa, kutta, scale, dpsi, nsl, dr];
const kTyped = [
  ['start-up', S(), 3],
  ['thin', S('0.05'), 2], ['thick', S('0.3'), 4], ['flat plate', S('0', '0'), 1],
  ['circular arc', S('0', '0.04'), 5], ['most camber', S('0.1', '0.15'), 2],
  ['alpha -10', S(null, null, '-10'), 3], ['alpha 30', S(null, null, '30'), 6],
  ['alpha 45 typed', S(null, null, '45'), 2], ['alpha 12.5', S(null, null, '12.5'), 7],
  ['Kutta 0', S(null, null, null, '0'), 2], ['Kutta 0.5', S(null, null, null, '0.5'), 3],
  ['scale 0.5', S(null, null, null, null, '0.5'), 2], ['scale 3', S(null, null, null, null, '3'), 4],
  ['scale 5 typed', S(null, null, null, null, '5'), 1],
  ['dPsi 0.01', S(null, null, null, null, null, '0.01'), 2], ['dPsi 0.1', S(null, null, null, null, null, '0.1'), 8],
  ['dPsi 0.25 typed', S(null, null, null, null, null, '0.25'), 3],
  ...[3, 5, 7, 9, 11, 13, 15, 17, 19, 20].map((n, k) => [`nSL ${n}`, S(null, null, null, null, null, null, String(n)), 1 + (k % 5)]),
  ['nSL 2', S(null, null, null, null, null, null, '2'), 10],
  ['dR 0.02', S(null, null, null, null, null, null, null, '0.02'), 3],
  ['dR 0.002', S(null, null, null, null, null, null, null, '0.002'), 2],
  ['comma read as 0', S('0,12'), 2], ['leading number', S(null, null, '7deg'), 3],
  ['table miss', S('0.125', '0.03'), 2], ['table miss beyond', S('0.5'), 1],
  ['mixed', S('0.2', '0.08', '-4', '0.8', '1.5', '0.05', '13', '0.008'), 11],
  ['heaviest', S('0.12', '0.02', '5', '1', '3', '0.01', '20', '0.0005'), 2],
];

// The sets reached by one completed change of a scroll bar: [name, bar, key, clicks].
const kScrolled = [
  ['delta to 30', 'HScroll_Delta', 'End'], ['delta to 1', 'HScroll_Delta', 'Home'],
  ['delta up', 'HScroll_Delta', 'ArrowRight'], ['gamma to 0', 'HScroll_Gama', 'Home'],
  ['gamma to 14', 'HScroll_Gama', 'End'], ['alpha to -10', 'HScroll_Alfa', 'Home'],
  ['alpha page up', 'HScroll_Alfa', 'PageDown'], ['alpha to 30', 'HScroll_Alfa', 'End'],
  ['Kutta down', 'HScroll_iKutta', 'ArrowLeft'], ['Kutta to 0', 'HScroll_iKutta', 'Home'],
  ['dPsi to 10', 'HScroll_dPsi', 'End'], ['dPsi down', 'HScroll_dPsi', 'ArrowLeft'],
  ['nSL down', 'HScroll_kMax', 'ArrowLeft'], ['nSL to 2', 'HScroll_kMax', 'Home'],
  ['scale page up', 'HScroll_Olcek', 'PageDown'], ['scale to 0.5', 'HScroll_Olcek', 'Home'],
  ['scale to 3', 'HScroll_Olcek', 'End'],
];

async function compareSet(page, name, act, ticksWanted, check) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body[data-ready="true"]');
  await act();
  const ticks = await stopAfter(page, ticksWanted);
  const texts = await pageTexts(page);
  const pixels = await canvasPixels(page, 'Picture3');
  const expected = check(texts, ticks);
  assert.ok(pixels.equals(expected),
    `${name} (${texts.join(' ')}, ${ticks} ticks): the canvas differs at ${firstDifference(pixels, expected, 600)}`);
  return ticks;
}

test('at a ratio of 1 the canvas is the exporter\'s picture, set by set', async () => {
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, url);
    let sets = 0;
    for (const [name, texts, ticks] of kTyped) {
      await compareSet(page, name, async () => {
        await setTexts(page, texts);
        await page.click('#Command_START');
      }, ticks, exported);
      ++sets;
    }
    for (const [name, bar, key] of kScrolled) {
      await compareSet(page, name, async () => {
        await page.focus(`#${bar}`);
        await page.keyboard.press(key);
      }, 1 + (sets % 7), exported);
      ++sets;
    }
    assert.ok(sets >= 50, `${sets} sets`);
    assert.deepEqual(page.errors, []);
  });
});

test('at a ratio of 2 the canvas is the desktop raster\'s picture at 1200 × 800, pen 2', async () => {
  await withBrowser(async (browser) => {
    const page = await browser.newPage();
    await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: 2 });
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(String(error)));
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    const size = await page.$eval('#Picture3', (c) => [c.width, c.height, Number(c.dataset.pen)]);
    assert.deepEqual(size, [1200, 800, 2]);
    for (const [name, texts, ticks] of [kTyped[0], kTyped[7], kTyped[22], kTyped[kTyped.length - 1]]) {
      const run = async () => {
        await page.goto(url, { waitUntil: 'load' });
        await page.waitForSelector('body[data-ready="true"]');
        await setTexts(page, texts);
        await page.click('#Command_START');
        const shown = await stopAfter(page, ticks);
        const boxes = await pageTexts(page);
        const pixels = await canvasPixels(page, 'Picture3');
        const expected = replayed(boxes, shown, 1200, 800, 2);
        assert.ok(pixels.equals(expected),
          `${name} (${shown} ticks): the canvas differs at ${firstDifference(pixels, expected, 1200)}`);
      };
      await run();
    }
    // Moved to a screen of another density, the plot is drawn anew there.
    await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: 1 });
    await page.click('#Command_START');
    await page.waitForFunction(() => document.getElementById('Picture3').width === 600);
    await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: 2 });
    await page.waitForFunction(() => document.getElementById('Picture3').width === 1200);
    const ticks = await stopAfter(page, 2);
    const pixels = await canvasPixels(page, 'Picture3');
    let red = 0;
    for (let i = 0; i < pixels.length; i += 4) if (pixels[i] === 255 && pixels[i + 1] === 0) ++red;
    assert.equal(pixels.length, 1200 * 800 * 4);
    assert.ok(ticks >= 2 && red > 0);
    assert.equal(await page.$eval('#Picture3', (c) => c.dataset.pen), '2');
    assert.deepEqual(page.errors, []);
  });
});
