// SPDX-License-Identifier: GPL-3.0-or-later
// Audits the built page with Lighthouse in Debian's Chromium, as a slow phone (the mobile
// preset: 4x CPU slowdown, slow 4G) and as a desktop, by hand (not a test). The page is
// served as the README's server serves it (Vite's preview of build/web/site/); the single
// offline file (build/web/vantrel.html) from a plain local server. Prints each preset's
// scores and figures, the median of RUNS audits.
//
//   node tools/lighthouse/audit.mjs BUILD_WEB [RUNS]     (BUILD_WEB holds site/ and vantrel.html)
//
// Each page is audited on a fresh profile, so the served page is a first visit.
// With LIGHTHOUSE_DETAILS=1 it also prints, from each page's last mobile audit, where the
// main thread's time went (Lighthouse's breakdown by kind and by script) and the long tasks.
import { spawn } from 'node:child_process';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
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
    // A group of its own, so that stopping it stops the Vite that npx starts too.
    { cwd: pageFolder, stdio: ['ignore', 'pipe', 'inherit'], detached: true },
  );
  await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => String(chunk).includes(String(port)) && resolve());
    server.on('exit', (code) => reject(new Error(`vite preview ended (${code})`)));
  });
  return { stop: () => process.kill(-server.pid), address: `http://127.0.0.1:${port}/` };
}

// The single file from a plain server, gzip-compressed as Vite's preview sends the site's
// files and as web hosts send HTML (LIGHTHOUSE_PLAIN=1 sends it as it is).
async function serveSingleFile() {
  const body = readFileSync(path.join(built, 'vantrel.html'));
  const packed = gzipSync(body);
  const server = createServer((request, response) => {
    if (!process.env.LIGHTHOUSE_PLAIN && /\bgzip\b/.test(request.headers['accept-encoding'] ?? ''))
      response
        .writeHead(200, { 'content-type': 'text/html', 'content-encoding': 'gzip' })
        .end(packed);
    else response.writeHead(200, { 'content-type': 'text/html' }).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    stop: () => {
      server.closeAllConnections();
      server.close();
    },
    address: `http://127.0.0.1:${server.address().port}/`,
  };
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
      audits,
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
// LIGHTHOUSE_PAGES=served or =single audits one of them alone.
const targets = [
  ['served page', preview.address],
  ['single file', single.address],
].filter(
  ([name]) => !process.env.LIGHTHOUSE_PAGES || name.startsWith(process.env.LIGHTHOUSE_PAGES),
);
const presets = [
  ['mobile', undefined],
  ['desktop', desktopConfig],
];
console.log(
  `Lighthouse ${(await import('lighthouse/package.json', { with: { type: 'json' } })).default.version}, median of ${runs} audits each`,
);
console.log(
  '| Page | Preset | Performance | Accessibility | Best practices | First paint | Largest paint | Blocking time | Speed index | Transferred |',
);
console.log('|---|---|---|---|---|---|---|---|---|---|');
const details = [];
try {
  for (const [name, url] of targets) {
    for (const [preset, config] of presets) {
      const results = [];
      for (let run = 0; run < runs; ++run) results.push(await audit(url, config));
      const m = (key) => median(results.map((r) => r[key]));
      if (process.env.LIGHTHOUSE_DETAILS && preset === 'mobile')
        details.push([name, results.at(-1).audits]);
      console.log(
        `| ${name} | ${preset} | ${m('performance').toFixed(0)} | ${m('accessibility').toFixed(0)} | ` +
          `${m('bestPractices').toFixed(0)} | ${(m('firstPaint') / 1000).toFixed(2)} s | ` +
          `${(m('largestPaint') / 1000).toFixed(2)} s | ${m('blocking').toFixed(0)} ms | ` +
          `${(m('speedIndex') / 1000).toFixed(2)} s | ${(m('transferred') / 1024).toFixed(0)} KiB |`,
      );
    }
  }
  for (const [name, audits] of details) {
    const ms = (value) => `${Math.round(value)} ms`;
    console.log(`\n${name}, mobile: main thread by kind`);
    for (const item of audits['mainthread-work-breakdown'].details?.items ?? [])
      console.log(`  ${item.groupLabel}: ${ms(item.duration)}`);
    console.log('by script (total, evaluation, parsing and compiling)');
    for (const item of audits['bootup-time'].details?.items ?? [])
      console.log(
        `  ${String(item.url).slice(0, 80)}: ${ms(item.total)}, ${ms(item.scripting)}, ${ms(item.scriptParseCompile)}`,
      );
    const element =
      audits['largest-contentful-paint-element'].details?.items?.[0]?.items?.[0]?.node;
    console.log(`largest paint: ${element?.snippet ?? '?'}`);
    for (const item of audits['lcp-breakdown-insight']?.details?.items?.[0]?.items ?? [])
      console.log(`  ${item.label ?? item.subpart}: ${ms(item.duration)}`);
    console.log('requests (start, end, transferred)');
    for (const item of audits['network-requests'].details?.items ?? [])
      console.log(
        `  ${String(item.url).slice(0, 80)}: ${ms(item.networkRequestTime)}, ${ms(item.networkEndTime)}, ${Math.round(item.transferSize / 1024)} KiB`,
      );
    console.log('long tasks (start, duration)');
    for (const item of audits['long-tasks'].details?.items ?? [])
      console.log(
        `  ${String(item.url).slice(0, 80)}: ${ms(item.startTime)}, ${ms(item.duration)}`,
      );
  }
} finally {
  preview.stop();
  single.stop();
}
// Lighthouse and the servers' idle connections would keep Node waiting.
process.exit(0);
