// The README's picture of the page: the main window in headless Chromium after START and four
// ticks of the animation, as scripts/screenshot.sh shows the desktop window.
//   node tests/web/screenshot.mjs [OUT.png]   (default docs/web.png)
import { pathToFileURL } from 'node:url';
import { openPage, paths, withBrowser } from './browser.mjs';

const out = process.argv[2] ?? new URL('../../docs/web.png', import.meta.url).pathname;
await withBrowser(async (browser) => {
  const { page } = await openPage(browser, pathToFileURL(paths.page).href);
  await page.setViewport({ width: 900, height: 520 });
  await page.click('#Command_START');
  await page.click('#Command_STOP');
  await page.evaluate(() => {
    for (let k = 0; k < 4; ++k) JoukowskyPage.tickOnce();
    JoukowskyPage.present();
    document.getElementById('Command_START').focus();
  });
  const form = await page.$('#Form1');
  await form.screenshot({ path: out });
  console.log(`wrote ${out}`);
});
