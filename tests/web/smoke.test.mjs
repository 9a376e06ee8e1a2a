// The page opened from disk and served: the module loads, START draws, and the canvas after
// START and STOP holds exactly the pixels of joukowsky-export --format png at that moment.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { basename, dirname, join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { canvasPixels, openPage, paths, withBrowser } from './browser.mjs';
import { decodePng } from './png.mjs';

// START, a few ticks, STOP; the ticks drawn and the canvas's pixels.
async function startAndStop(page, ticksWanted) {
  await page.click('#Command_START');
  await page.waitForFunction((n) => Number(document.getElementById('Picture3').dataset.ticks) >= n,
    { timeout: 10000 }, ticksWanted);
  await page.click('#Command_STOP');
  const ticks = await page.$eval('#Picture3', (canvas) => Number(canvas.dataset.ticks));
  return { ticks, pixels: await canvasPixels(page, 'Picture3') };
}

// The exporter's picture of the start texts after `ticks` ticks, as RGBA bytes.
function exportedPixels(ticks) {
  const png = execFileSync(paths.exporter, ['--format', 'png', '--time', String(ticks / 10)],
    { maxBuffer: 1 << 26 });
  return decodePng(png);
}

// Where the two pictures first differ, for the message.
function firstDifference(a, b, width) {
  for (let i = 0; i < a.length; ++i) {
    if (a[i] !== b[i]) return `pixel (${(i >> 2) % width}, ${Math.floor((i >> 2) / width)})`;
  }
  return 'nowhere';
}

async function checkPage(browser, url) {
  const { page, readyMs } = await openPage(browser, url);
  const { ticks, pixels } = await startAndStop(page, 3);
  const expected = exportedPixels(ticks);
  assert.equal(expected.width, 600);
  assert.equal(expected.height, 400);
  assert.ok(pixels.equals(expected.rgba), `canvas and export differ at ${firstDifference(pixels, expected.rgba, 600)} (ticks ${ticks})`);
  assert.deepEqual(page.errors, []);
  await page.close();
  return { ticks, readyMs };
}

test('the page is one file under 1 MB', () => {
  const size = statSync(paths.page).size;
  assert.ok(size < 1 << 20, `${size} bytes`);
  const html = readFileSync(paths.page, 'latin1');
  assert.doesNotMatch(html, /<script[^>]+src=|<link[^>]+href="(?!data:)/, 'refers to another file');
});

test('opened from disk, the canvas after START and STOP is the exported picture', async () => {
  await withBrowser(async (browser) => {
    const { ticks, readyMs } = await checkPage(browser, pathToFileURL(paths.page).href);
    console.log(`file://: ready after ${readyMs.toFixed(1)} ms, ${ticks} ticks compared`);
    assert.ok(readyMs <= 1000, `ready after ${readyMs} ms`);
  });
});

test('served over HTTP, the same', async () => {
  const page = readFileSync(paths.page);
  const server = createServer((request, response) => {
    const found = request.url === '/' || request.url === `/${basename(paths.page)}`;
    response.writeHead(found ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8' });
    response.end(found ? page : '');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    await withBrowser(async (browser) => {
      const { ticks, readyMs } = await checkPage(browser, `http://127.0.0.1:${server.address().port}/`);
      console.log(`http: ready after ${readyMs.toFixed(1)} ms, ${ticks} ticks compared`);
    });
  } finally {
    server.close();
  }
});
