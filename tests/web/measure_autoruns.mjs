// SPDX-License-Identifier: GPL-3.0-or-later
// Times a sweep of automatic runs on the built page with one worker and with two: the
// panel is opened first, which starts the workers and loads their engines, then Run is
// pressed and the page's own measure `vantrel-sweep` (Run to the last run) is read.
// Alternates the two, ROUNDS times each, and prints every time and each median. Not a
// test: the figures depend on the machine. Run by hand after scripts/web.sh --build.
// The sweep is RUNS short runs (populations of 10 and a goal met within 3,000 clicks, a
// fraction of a second in all), or with --experiment1 the docs' Experiment 1 (four
// conditions) with RUNS / 4 runs each, some of them thousands of clicks long. With --lab
// LAB, each round also times the same sweep natively with `LAB --jobs 1` and `--jobs 2`,
// alternating with the page, and prints the page's speed-up as a share of the lab's. With
// --learner LIST, the sweep has a learner take over after each of LIST's judge's clicks, a
// condition each (the panel's learner field and the lab's --learner), RUNS runs in all.
//
//   node measure_autoruns.mjs SITE [ROUNDS [RUNS]] [--experiment1] [--lab LAB] [--learner LIST]
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';

const experiment1 = process.argv.includes('--experiment1');
const valueOf = (name) => {
  const at = process.argv.indexOf(name);
  return at > 0 ? process.argv[at + 1] : undefined;
};
const lab = valueOf('--lab') && path.resolve(valueOf('--lab'));
const learner = valueOf('--learner');
const named = ['--lab', '--learner'];
const [site, rounds = '3', runs = '4000'] = process.argv
  .slice(2)
  .filter(
    (arg, i, all) => arg !== '--experiment1' && !named.includes(arg) && !named.includes(all[i - 1]),
  );
const conditions = (experiment1 ? 4 : 1) * (learner ? learner.split(',').length : 1);
const perCondition = String(Math.max(1, Math.round(Number(runs) / conditions)));
const options = experiment1
  ? {
      goals: 'size=large,shape=square,spokes=yes\ncolor=green,intensity=dark',
      population: '10,50',
      runs: perCondition,
    }
  : { goals: 'shape=square', population: '10', runs: perCondition, maxClicks: '3000' };
// The same sweep in vantrel-lab's options.
const labOptions = [
  ...options.goals.split('\n').flatMap((goal) => ['--goal', goal]),
  ...['--population', options.population, '--runs', options.runs],
  ...(options.maxClicks ? ['--max-clicks', options.maxClicks] : []),
  ...(learner ? ['--learner', learner] : []),
];
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const { server, address } = await serveSite(path.resolve(site));
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});

async function sweepSeconds(workers) {
  const page = await browser.newPage();
  await page.addInitScript((count) => {
    Object.defineProperty(navigator, 'hardwareConcurrency', { get: () => count });
  }, workers);
  await page.goto(address);
  await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
  await page.keyboard.press('l'); // the lab notebook holds the automatic runs
  await page.getByRole('button', { name: 'Run automatically…' }).click();
  const panel = page.getByRole('region', { name: 'Run automatically' });
  await panel.getByLabel('Goal (--goal), one per line').fill(options.goals);
  await panel.getByLabel('Population (--population)').fill(options.population);
  await panel.getByLabel('Runs per condition (--runs)').fill(options.runs);
  if (options.maxClicks)
    await panel.getByLabel('Most clicks per run (--max-clicks)').fill(options.maxClicks);
  if (learner) await panel.getByLabel('Learner after clicks (--learner)').fill(learner);
  // The workers load their engines meanwhile.
  await page.waitForTimeout(3000);
  // The page tells when the sweep ends: polling its status from here would take time on
  // its thread, which the workers share the processor with.
  const measured = page.evaluate(
    () =>
      new Promise((resolve) => {
        new PerformanceObserver((list, observer) => {
          const entry = list.getEntriesByName('vantrel-sweep')[0];
          if (!entry) return;
          observer.disconnect();
          resolve(entry.duration);
        }).observe({ type: 'measure' });
      }),
  );
  await panel.getByRole('button', { name: 'Run', exact: true }).click();
  const ms = await measured;
  await page.close();
  return ms / 1000;
}

// The native lab's wall time for the sweep with `jobs` threads.
function labSeconds(jobs) {
  const start = performance.now();
  execFileSync(lab, [...labOptions, '--jobs', String(jobs)], { stdio: 'ignore' });
  return (performance.now() - start) / 1000;
}

const times = { 1: [], 2: [] };
const native = { 1: [], 2: [] };
try {
  for (let round = 0; round < Number(rounds); ++round) {
    for (const workers of [1, 2]) {
      times[workers].push(await sweepSeconds(workers));
      console.log(`round ${round + 1}: ${workers} worker(s) ${times[workers].at(-1).toFixed(2)} s`);
      if (!lab) continue;
      native[workers].push(labSeconds(workers));
      const seconds = native[workers].at(-1).toFixed(2);
      console.log(`round ${round + 1}: vantrel-lab --jobs ${workers} ${seconds} s`);
    }
  }
} finally {
  await browser.close();
  server.close();
}
const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
console.log(
  `${runs} runs${experiment1 ? ' of Experiment 1' : ''}` +
    `${learner ? `, learner after ${learner} clicks` : ''}: ` +
    `1 worker ${median(times[1]).toFixed(2)} s, 2 workers ` +
    `${median(times[2]).toFixed(2)} s, ${(median(times[1]) / median(times[2])).toFixed(2)} times`,
);
if (lab) {
  const speedUp = (one, two) => median(one) / median(two);
  const share = speedUp(times[1], times[2]) / speedUp(native[1], native[2]);
  // Each round's own share too: the machine's load changes from round to round.
  const rounds = times[1].map((one, i) => one / times[2][i] / (native[1][i] / native[2][i]));
  console.log(
    `vantrel-lab: --jobs 1 ${median(native[1]).toFixed(2)} s, --jobs 2 ` +
      `${median(native[2]).toFixed(2)} s, ${speedUp(native[1], native[2]).toFixed(2)} times; ` +
      `the page's speed-up is ${share.toFixed(2)} of the lab's ` +
      `(rounds ${rounds.map((r) => r.toFixed(2)).join(', ')})`,
  );
}
