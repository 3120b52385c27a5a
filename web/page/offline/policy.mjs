// SPDX-License-Identifier: GPL-3.0-or-later
// The page's Content-Security-Policy, written into every page the build makes as a <meta>:
// no script but the page's own (its files, or each inline script of the single file by
// its hash), its WebAssembly, its automatic runs' workers, and no connection to another
// origin. Whatever a link, a file or the browser's storage brings is only ever shown as
// text; should some code one day write it as markup, the browser still runs none of it.
import { createHash } from 'node:crypto';

const hashOf = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

// The hashes of the bodies of `html`'s inline `tag` elements (those without a src).
function inlineHashes(html, tag) {
  const elements = html.matchAll(new RegExp(`<${tag}\\b([^>]*)>([\\s\\S]*?)</${tag}\\s*>`, 'gi'));
  return [...elements]
    .filter(([, attrs]) => !/\bsrc\s*=/i.test(attrs))
    .map(([, , body]) => hashOf(body));
}

// The policy for the page `html`: the served site's, whose scripts, styles, WebAssembly
// and catalogues are files of its own origin (or, the smallest, inlined) and whose workers
// start from their own file;
// or, `single`, the one file's, which carries all of them inside (data: addresses) and
// starts its workers from Blob URLs.
export function pagePolicy(html, single) {
  const own = single ? [] : ["'self'"];
  const directives = [
    ['default-src', "'none'"],
    ['script-src', ...own, "'wasm-unsafe-eval'", ...inlineHashes(html, 'script')],
    ['style-src', ...own, ...inlineHashes(html, 'style')],
    ['img-src', ...own, 'data:', 'blob:'],
    // Small files, such as the English catalogue, come inlined as data: addresses.
    ['connect-src', ...own, 'data:'],
    ['worker-src', ...(single ? ['blob:'] : own)],
    ['manifest-src', ...(single ? ["'none'"] : own)],
    ['base-uri', "'none'"],
    ['form-action', "'none'"],
  ];
  return directives.map((words) => words.join(' ')).join('; ');
}

// `html` with its policy first in its head, right after the character set, which must
// come within the first bytes.
export function withPolicy(html, single) {
  const meta = `<meta http-equiv="Content-Security-Policy" content="${pagePolicy(html, single)}" />`;
  const charset = /<meta charset="[^"]*"\s*\/?>/i.exec(html);
  if (charset) {
    const at = charset.index + charset[0].length;
    return `${html.slice(0, at)}\n    ${meta}${html.slice(at)}`;
  }
  return html.replace(/<head>/i, `<head>\n    ${meta}`);
}

// Writes the policy into the build's pages. The site's is written before the offline
// plugin takes the page's contents for the service worker's version; the single file's
// after its scripts and styles have been inlined.
export function contentSecurityPolicy(single) {
  const handler = (_options, bundle) => {
    for (const item of Object.values(bundle)) {
      if (item.type === 'asset' && item.fileName.endsWith('.html')) {
        item.source = withPolicy(String(item.source), single);
      }
    }
  };
  return {
    name: 'vantrel-content-security-policy',
    apply: 'build',
    enforce: 'post',
    generateBundle: single ? { order: 'post', handler } : handler,
  };
}
