// SPDX-License-Identifier: GPL-3.0-or-later
// The app icon as PNGs, which Chromium wants before it offers to install the page (it
// takes no SVG for that). Drawn from the SVG by the system's Chromium, the browser the
// page's tests already use; without it the build goes on with the SVG icon alone.
import { existsSync } from 'node:fs';
import { createRequire } from 'node:module';

export const kPngSizes = [192, 512];
const kChromium = '/usr/bin/chromium';

// Resolves to a map from each size to its PNG's bytes, or an empty map without Chromium.
export async function renderPngIcons(svg) {
  if (!existsSync(kChromium)) return new Map();
  const { chromium } = createRequire(import.meta.url)('playwright-core');
  const browser = await chromium.launch({ executablePath: kChromium, args: ['--no-sandbox'] });
  try {
    const page = await browser.newPage();
    const source = `data:image/svg+xml;base64,${svg.toString('base64')}`;
    const pngs = new Map();
    for (const size of kPngSizes) {
      await page.setViewportSize({ width: size, height: size });
      await page.setContent(
        `<body style="margin:0"><img src="${source}" width="${size}" height="${size}"></body>`,
      );
      await page.locator('img').evaluate((image) => image.decode());
      pngs.set(size, await page.screenshot({ omitBackground: true, type: 'png' }));
    }
    return pngs;
  } finally {
    await browser.close();
  }
}
