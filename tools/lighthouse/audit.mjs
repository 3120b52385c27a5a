// SPDX-License-Identifier: GPL-3.0-or-later
// Audits the built page with Lighthouse in Debian's Chromium, as a slow phone (the mobile
// preset: 4x CPU slowdown, slow 4G) and as a desktop, by hand (not a test). The page is
// served as the README's server serves it (Vite's preview of build/web/site/); the single
// offline file (build/web/vantrel.html) from a plain local server. Prints each preset's
// scores and figures, the median of RUNS audits.
//
//   node tools/lighthouse/audit.mjs BUILD_WEB [RUNS]     (BUILD_WEB holds site/ and vantrel.html)
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';

const built = path.resolve(process.argv[2] ?? 'build/web');
const runs = Number(process.argv[3] ?? 5);
const pageFolder = new URL('../../web/page/', import.meta.url).pathname;
const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Vite's preview of the site, as scripts/web.sh serves it; resolves to its address.
async function servePreview(port) {
  const server = spawn(
    'npx',
    ['vite', 'preview', '--host', '127.0.0.1', '--port', String(port), '--strictPort'],
    { cwd: pageFolder, stdio: ['ignore', 'pipe', 'inherit'] },
  );
  await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => String(chunk).includes(String(port)) && resolve());
    server.on('exit', (code) => reject(new Error(`vite preview ended (${code})`)));
  });
  return { stop: () => server.kill(), address: `http://127.0.0.1:${port}/` };
}

// The single file from a plain server.
async function serveSingleFile() {
  const body = readFileSync(path.join(built, 'vantrel.html'));
  const server = createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html' }).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { stop: () => server.close(), address: `http://127.0.0.1:${server.address().port}/` };
}

async function audit(url, config) {
  const chrome = await chromeLauncher.launch({
    chromePath: chromium,
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu'],
  });
  try {
    const result = await lighthouse(
      url,
      {
        port: chrome.port,
        output: 'json',
        logLevel: 'error',
        onlyCategories: ['performance', 'accessibility', 'best-practices'],
      },
      config,
    );
    const { categories, audits } = result.lhr;
    return {
      performance: categories.performance.score * 100,
      accessibility: categories.accessibility.score * 100,
      bestPractices: categories['best-practices'].score * 100,
      firstPaint: audits['first-contentful-paint'].numericValue,
      largestPaint: audits['largest-contentful-paint'].numericValue,
      blocking: audits['total-blocking-time'].numericValue,
      speedIndex: audits['speed-index'].numericValue,
      transferred: audits['total-byte-weight'].numericValue,
    };
  } finally {
    await chrome.kill();
  }
}

const preview = await servePreview(4173 + Math.floor(Math.random() * 1000));
const single = await serveSingleFile();
const targets = [
  ['served page', preview.address],
  ['single file', single.address],
];
const presets = [
  ['mobile', undefined],
  ['desktop', desktopConfig],
];
console.log(`Lighthouse ${(await import('lighthouse/package.json', { with: { type: 'json' } })).default.version}, median of ${runs} audits each`);
console.log('| Page | Preset | Performance | Accessibility | Best practices | First paint | Largest paint | Blocking time | Speed index | Transferred |');
console.log('|---|---|---|---|---|---|---|---|---|---|');
try {
  for (const [name, url] of targets) {
    for (const [preset, config] of presets) {
      const results = [];
      for (let run = 0; run < runs; ++run) results.push(await audit(url, config));
      const m = (key) => median(results.map((r) => r[key]));
      console.log(
        `| ${name} | ${preset} | ${m('performance').toFixed(0)} | ${m('accessibility').toFixed(0)} | ` +
          `${m('bestPractices').toFixed(0)} | ${(m('firstPaint') / 1000).toFixed(2)} s | ` +
          `${(m('largestPaint') / 1000).toFixed(2)} s | ${m('blocking').toFixed(0)} ms | ` +
          `${(m('speedIndex') / 1000).toFixed(2)} s | ${(m('transferred') / 1024).toFixed(0)} KiB |`,
      );
    }
  }
} finally {
  preview.stop();
  single.stop();
}
