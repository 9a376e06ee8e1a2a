// The animation tick of the browser edition in headless Chromium: the module's tick (time step,
// erase, update of the rippled lines, draw), the tick as the page's timer runs it (the canvas is
// then shown at the screen's next refresh) and the showing of a frame on the canvas, medians over
// 240 samples at the start-up texts and at the heaviest
// set. The browser's clock is coarse (a tenth of a millisecond without cross-origin isolation),
// so a sample of the short tick is the mean of 10 consecutive ticks.
//   node bench/web_tick.mjs [PAGE]   (run from tests/web's node_modules: bench.sh does it)
import { pathToFileURL } from 'node:url';
import { openPage, paths, setTexts, withBrowser } from '../tests/web/browser.mjs';

const page = process.argv[2] ?? paths.page;
const kSets = [
  ['start-up', [], 10],
  ['heavy (nSL 20, dR 0.0005, Scale 3, Δψ 0.01)', ['0.12', '0.02', '5', '1', '3', '0.01', '20', '0.0005'], 1],
];
const kSamples = 240;

await withBrowser(async (browser) => {
  const { page: tab } = await openPage(browser, pathToFileURL(page).href);
  for (const [name, texts, group] of kSets) {
    await setTexts(tab, texts);
    await tab.click('#Command_START');
    await tab.click('#Command_STOP');
    const result = await tab.evaluate((samples, n) => {
      const app = JoukowskyPage;
      const median = (xs) => xs.sort((a, b) => a - b)[xs.length >> 1];
      const time = (body) => {
        const out = [];
        for (let s = 0; s < samples; ++s) {
          const t0 = performance.now();
          for (let k = 0; k < n; ++k) body();
          out.push((performance.now() - t0) / n);
        }
        return median(out);
      };
      for (let k = 0; k < 20; ++k) app.tickOnce();  // warm up
      return {
        module: time(() => app.module._jouk_tick(app.session)),
        page: time(() => app.tickOnce()),
        canvas: time(() => app.present()),
      };
    }, kSamples, group);
    console.log(`web tick, ${name}: module ${result.module.toFixed(3)} ms, the page's tick ` +
      `${result.page.toFixed(3)} ms, a frame onto the canvas ${result.canvas.toFixed(3)} ms ` +
      `(medians of ${kSamples} samples of ${group} tick${group > 1 ? 's' : ''})`);
  }
});
