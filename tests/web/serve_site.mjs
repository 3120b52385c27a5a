// SPDX-License-Identifier: GPL-3.0-or-later
// Serves the built page's folder on a free local port, for the browser tests.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';

const types = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm',
};

// Starts serving `site`; resolves to the server and its address.
export async function serveSite(site) {
  const server = createServer((request, response) => {
    const name = new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html');
    try {
      const body = readFileSync(path.join(site, path.normalize(name)));
      response.writeHead(200, {
        'content-type': types[path.extname(name)] ?? 'application/octet-stream',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, address: `http://127.0.0.1:${server.address().port}/` };
}
