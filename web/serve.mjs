// Serves a folder over HTTP on the loopback address, as any static web host
// would: node web/serve.mjs <folder> [port]. Port 0 takes a free one. Prints
// the address once it listens.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, resolve, sep} from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
  '.gif': 'image/gif', '.ico': 'image/x-icon', '.wav': 'audio/wav', '.json': 'application/json',
};

export function serve(folder, port = 0, host = '127.0.0.1') {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {'Content-Type': types[extname(file)] || 'application/octet-stream',
                               'Cache-Control': 'no-cache'});
      response.end(body);
    } catch {
      response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
    }
  });
  return new Promise((done) => server.listen(port, host, () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [folder = '.', port = '8080'] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`Tessaro: http://127.0.0.1:${server.address().port}/`);
}
