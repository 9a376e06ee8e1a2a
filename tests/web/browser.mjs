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
