// Starts the system's Chromium headless for a test, with a fresh profile and nothing that would
// reach the network, and gives the page's pixels and the paths the tests need.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

// Where the tests find what they test; ctest sets these.
export const paths = {
  page: process.env.JOUK_WEB_PAGE ?? new URL('../../build-web/dist/joukowsky-streamlines.html', import.meta.url).pathname,
  exporter: process.env.JOUK_EXPORT ?? new URL('../../build/tools/joukowsky-export', import.meta.url).pathname,
  chromium: process.env.JOUK_CHROMIUM ?? '/usr/bin/chromium',
};

// Runs body(browser) in a fresh headless Chromium, which is closed and whose profile is removed
// afterwards.
export async function withBrowser(body) {
  const profile = mkdtempSync(join(tmpdir(), 'jouk-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: paths.chromium,
    headless: true, // the new headless mode, --headless=new
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  try {
    return await body(browser);
  } finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

// Opens url in a new tab, fails the test on any error of the page, and waits until the page is
// ready (START usable). Returns the tab and the page's own time to ready in milliseconds.
export async function openPage(browser, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.errors = errors;
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body[data-ready="true"], body[data-error]', { timeout: 10000 });
  const state = await page.evaluate(() => ({
    error: document.body.dataset.error ?? null,
    readyMs: Number(document.body.dataset.readyMs),
  }));
  if (state.error !== null) throw new Error(`the page failed: ${state.error}`);
  return { page, readyMs: state.readyMs };
}

// The canvas's pixels as RGBA bytes.
export async function canvasPixels(page, id) {
  const base64 = await page.evaluate((canvasId) => {
    const canvas = document.getElementById(canvasId);
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let binary = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      binary += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(binary);
  }, id);
  return Buffer.from(base64, 'base64');
}

// The native programs the tests compare with; ctest sets these.
export const native = {
  tablesJson: process.env.JOUK_TABLES_JSON ?? new URL('../../build/tools/tables_json', import.meta.url).pathname,
  replayPixels: process.env.JOUK_REPLAY_PIXELS ?? new URL('../../build/tests/model/replay_pixels', import.meta.url).pathname,
};

// The exporter's options for the eight texts, in the order of the parameter table.
export const kOptions = ['--delta', '--gamma', '--alpha', '--kutta', '--scale', '--dpsi', '--nsl', '--dr'];
export const kTextBoxes = ['Text_DELTA', 'Text_GAMA', 'Text_Alfa', 'Text_iKutta', 'Text_Olcek',
  'Text_dPsi', 'Text_kMax', 'Text_dR'];

export function exporterArgs(texts) {
  return texts.flatMap((text, k) => [`${kOptions[k]}=${text}`]);
}

// The eight texts as the page's boxes hold them.
export async function pageTexts(page) {
  return page.evaluate((ids) => ids.map((id) => document.getElementById(id).value), kTextBoxes);
}

// Puts texts (an array of eight, undefined for "leave it") into the boxes, as typed text.
export async function setTexts(page, texts) {
  await page.evaluate((ids, values) => {
    ids.forEach((id, k) => {
      if (values[k] !== null && values[k] !== undefined) document.getElementById(id).value = values[k];
    });
  }, kTextBoxes, texts.map((t) => t ?? null));
}

// Waits until the canvas shows at least n ticks, then presses STOP; the ticks shown.
export async function stopAfter(page, n) {
  await page.waitForFunction((k) => Number(document.getElementById('Picture3').dataset.ticks) >= k,
    { timeout: 20000 }, n);
  await page.click('#Command_STOP');
  return page.$eval('#Picture3', (canvas) => Number(canvas.dataset.ticks));
}

// Where two RGBA pictures first differ, for a message.
export function firstDifference(a, b, width) {
  if (a.length !== b.length) return `sizes ${a.length} and ${b.length}`;
  for (let i = 0; i < a.length; ++i) {
    if (a[i] !== b[i]) return `pixel (${(i >> 2) % width}, ${Math.floor((i >> 2) / width)})`;
  }
  return 'nowhere';
}
