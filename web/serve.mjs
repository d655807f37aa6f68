// Serves a folder (the built page, build-web/) on 127.0.0.1, for `scripts/web.sh --serve` and
// the browser test. Run: node web/serve.mjs FOLDER [PORT]; prints the page's address.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, sep} from 'node:path';
import {fileURLToPath} from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.wasm': 'application/wasm', '.png': 'image/png', '.json': 'application/json',
};

// Starts serving folder on port (0: any free one); resolves to the server once it listens.
export function servePage(folder, port = 0) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    // Nothing outside the folder is served.
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await servePage(process.argv[2] || '.', Number(process.argv[3] || 8080));
  console.log(`trellis on the web: http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
