// Random use of the page, as the window's fuzz test uses the window: random texts in all eight
// boxes, scroll-bar moves, START, STOP and the plot's menu, 300 rounds and more. No page error, no
// frozen page, every accepted set drawn, every rejected one with its message, each decided as the
// exporter decides it for the same texts.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { exporterArgs, kTextBoxes, openPage, pageTexts, paths, setTexts, withBrowser } from './browser.mjs';

const kRounds = Number(process.env.JOUK_WEB_FUZZ_ROUNDS ?? 320);

// A small seeded generator (mulberry32), so that a failure can be replayed.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const kJunk = ['', ' ', 'abc', '0,5', '-', '.', 'e5', '1e400', '-1e400', 'NaN', 'inf', '1e-300', '  3 ', '+2', '0x10', '½'];
const kPools = [
  ['0.12', '0.05', '0.3', '0', '0.125', '0.5', '-0.1'],
  ['0.02', '0', '0.14', '0.15', '0.2', '-0.02'],
  ['5', '-10', '30', '0', '45', '90', '-90', '12.5', '1000'],
  ['1', '0', '0.5', '2', '-1', '5'],
  ['1', '0.5', '3', '10', '0', '-1', '1e6'],
  ['0.07', '0.01', '0.1', '0.5', '0', '-0.05', '1e20'],
  ['10', '2', '3', '7', '19', '20', '21', '1', '2.5', '100'],
  ['0.01', '0.005', '0.02', '0.001', '0', '-0.01', '1'],
];
const kBars = ['HScroll_Delta', 'HScroll_Gama', 'HScroll_Alfa', 'HScroll_iKutta', 'HScroll_dPsi',
  'HScroll_kMax', 'HScroll_Olcek'];
const kKeys = ['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End'];

const state = (page) => page.evaluate(() => ({
  recomputes: JoukowskyPage.recomputes, rejections: JoukowskyPage.rejections,
  open: document.getElementById('Dialog_Message').open,
  message: document.getElementById('Dialog_Message_Text').textContent,
  ticks: Number(document.getElementById('Picture3').dataset.ticks), running: JoukowskyPage.running,
}));

// What the exporter says of the texts: accepted, or the reason.
function exporterVerdict(texts) {
  const run = spawnSync(paths.exporter, [...exporterArgs(texts), '--format', 'summary'],
    { encoding: 'utf8', maxBuffer: 1 << 26 });
  const lines = run.stderr.trim().split('\n').filter((l) => !l.includes(' note: '));
  return { accepted: run.status === 0, reason: lines.at(-1) ?? '' };
}

test(`${kRounds} rounds of random use`, async () => {
  const random = generator(Number(process.env.JOUK_WEB_FUZZ_SEED ?? 18));
  const pick = (list) => list[Math.floor(random() * list.length)];
  const tally = { accepted: 0, rejected: 0, ticks: 0, menus: 0, slowest: 0 };
  await withBrowser(async (browser) => {
    const { page } = await openPage(browser, pathToFileURL(paths.page).href);
    for (let round = 0; round < kRounds; ++round) {
      const began = Date.now();
      const before = await state(page);
      const action = random();
      if (action < 0.3) {
        // Any of the eight boxes, each now and then: a value of its pool (the first ones the
        // window's own) or junk.
        const fresh = random() < 0.35;  // from the start texts again, now and then
        await setTexts(page, kTextBoxes.map((_, k) => {
          if (random() < 0.6) return fresh ? kPools[k][0] : null;
          if (random() < 0.15) return pick(kJunk);
          return random() < 0.5 ? kPools[k][0] : pick(kPools[k]);
        }));
      } else if (action < 0.55) {
        await page.focus(`#${pick(kBars)}`);
        await page.keyboard.press(pick(kKeys));
      } else if (action < 0.8) {
        await page.click('#Command_START');
      } else if (action < 0.9) {
        await page.click('#Command_STOP');
      } else {
        const r = await page.$eval('#Picture3', (c) => { const b = c.getBoundingClientRect(); return [b.left + 30, b.top + 30]; });
        await page.mouse.click(r[0], r[1], { button: 'right' });
        if (random() < 0.5) await page.click('#Mn_Lift');
        else await page.keyboard.press('Escape');
        ++tally.menus;
      }
      const after = await state(page);
      const context = `round ${round}`;
      if (after.recomputes > before.recomputes) {
        assert.equal(after.recomputes, before.recomputes + 1, `${context}: one recompute`);
        const verdict = exporterVerdict(await pageTexts(page));
        const rejected = after.rejections > before.rejections;
        assert.equal(!rejected, verdict.accepted, `${context}: ${(await pageTexts(page)).join(' ')}`);
        if (rejected) {
          ++tally.rejected;
          assert.ok(after.open && after.message.length > 0, `${context}: the message is shown`);
          assert.ok(verdict.reason.endsWith(after.message), `${context}: ${after.message} / ${verdict.reason}`);
          await page.keyboard.press('Enter');
        } else {
          ++tally.accepted;
          // Drawn: the start picture at once, then ticks.
          await page.waitForFunction(() => Number(document.getElementById('Picture3').dataset.ticks) >= 1,
            { timeout: 10000 });
        }
      }
      tally.ticks = Math.max(tally.ticks, after.ticks);
      tally.slowest = Math.max(tally.slowest, Date.now() - began);
    }
    console.log(`random use: ${JSON.stringify(tally)}`);
    assert.ok(tally.accepted > 20 && tally.rejected > 10, JSON.stringify(tally));
    assert.ok(tally.slowest < 10000, `a round took ${tally.slowest} ms`);
    assert.deepEqual(page.errors, []);
  });
});
