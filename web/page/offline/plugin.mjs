// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the built folder an installable app that works offline: the page links a web app
// manifest and the icon, and the service worker is written with the list of the build's
// files and a version taken from their contents.
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { renderPngIcons } from './icons.mjs';

const kIcon = 'vantrel.svg';
const kManifest = 'manifest.webmanifest';
const kWorker = 'sw.js';
const pngName = (size) => `vantrel-${size}.png`;

// The manifest; its addresses are relative to it, so the folder can sit anywhere.
export function manifest(pngSizes) {
  return {
    name: 'Vantrel',
    short_name: 'Vantrel',
    description: 'Evolve drawn organisms by feeding and killing them.',
    start_url: './',
    scope: './',
    display: 'standalone',
    background_color: '#ffffff',
    theme_color: '#1a1f5e',
    icons: [
      ...pngSizes.map((size) => ({
        src: pngName(size),
        sizes: `${size}x${size}`,
        type: 'image/png',
      })),
      { src: kIcon, sizes: 'any', type: 'image/svg+xml' },
    ],
  };
}

// The service worker's source with the files to keep and the cache's version filled in.
export function serviceWorker(template, files, version) {
  return template
    .replace('__VANTREL_VERSION__', version)
    .replace('__VANTREL_FILES__', JSON.stringify(['./', ...files].sort()));
}

// A short hash of every file's name and contents, so any change gives a new version.
export function buildVersion(contents) {
  const hash = createHash('sha256');
  for (const [name, content] of [...contents].sort(([a], [b]) => a.localeCompare(b))) {
    hash.update(name).update('\0').update(content).update('\0');
  }
  return hash.digest('hex').slice(0, 16);
}

// The icon inside the page itself, for the single file that has nothing beside it.
export function inlineIcon(iconFile) {
  const data = readFileSync(iconFile).toString('base64');
  return {
    name: 'vantrel-inline-icon',
    transformIndexHtml() {
      const href = `data:image/svg+xml;base64,${data}`;
      return [{ tag: 'link', attrs: { rel: 'icon', href }, injectTo: 'head' }];
    },
  };
}

// `html` with its module scripts moved from the head to the end of the body. A module
// script runs once the page is parsed wherever it stands; at the end, the page's styles and
// its first sentence come before it, so a browser can show them while the rest arrives.
function scriptsLast(html) {
  const scripts = [];
  const rest = html.replace(/<script type="module"[^>]*>[\s\S]*?<\/script>\s*/g, (script) => {
    scripts.push(script.trim());
    return '';
  });
  const end = rest.lastIndexOf('</body>');
  if (scripts.length === 0 || end < 0) return html;
  return `${rest.slice(0, end)}${scripts.join('\n')}\n  ${rest.slice(end)}`;
}

// The single file's inlined scripts moved after its content.
export function inlineScriptsLast() {
  return {
    name: 'vantrel-inline-scripts-last',
    apply: 'build',
    enforce: 'post',
    generateBundle: {
      order: 'post',
      handler(_options, bundle) {
        for (const item of Object.values(bundle)) {
          if (item.type === 'asset' && item.fileName.endsWith('.html'))
            item.source = scriptsLast(String(item.source));
        }
      },
    },
  };
}

// Runs after Vite has written the page, so the worker's list holds index.html too.
export function offlinePage(iconFile) {
  let pngs = new Map();
  return {
    name: 'vantrel-offline',
    apply: 'build',
    enforce: 'post',
    async buildStart() {
      pngs = await renderPngIcons(readFileSync(iconFile));
      if (pngs.size === 0) this.warn('no Chromium: the icon is an SVG only, and not installable');
    },
    // The engine's WebAssembly is not preloaded: the page asks for it once it has painted
    // that it is loading (main.ts), so that the first paint does not wait behind it.
    transformIndexHtml() {
      return [
        { tag: 'link', attrs: { rel: 'manifest', href: kManifest }, injectTo: 'head' },
        {
          tag: 'link',
          attrs: { rel: 'icon', href: kIcon, type: 'image/svg+xml' },
          injectTo: 'head',
        },
        {
          tag: 'meta',
          attrs: { name: 'theme-color', content: manifest([]).theme_color },
          injectTo: 'head',
        },
      ];
    },
    generateBundle(_options, bundle) {
      const emitted = new Map([
        [kIcon, readFileSync(iconFile)],
        [kManifest, `${JSON.stringify(manifest([...pngs.keys()]), null, 2)}\n`],
        ...[...pngs].map(([size, png]) => [pngName(size), png]),
      ]);
      for (const [fileName, source] of emitted) this.emitFile({ type: 'asset', fileName, source });
      const contents = new Map(emitted);
      for (const [name, item] of Object.entries(bundle)) {
        if (!contents.has(name))
          contents.set(name, item.type === 'chunk' ? item.code : item.source);
      }
      const template = readFileSync(new URL('service-worker.js', import.meta.url), 'utf8');
      this.emitFile({
        type: 'asset',
        fileName: kWorker,
        source: serviceWorker(template, [...contents.keys()], buildVersion(contents)),
      });
    },
  };
}
