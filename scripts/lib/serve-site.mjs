// A static web server for the page's files on the loopback address, as any static host would
// serve them: each file's type (the manifest's own included), no listings, nothing outside the
// folder. Used by ./scripts/run-web, the page tests and the start-up benchmark; not part of the
// page.
//   node scripts/lib/serve-site.mjs DIR [PORT]   (PORT 0: any free port; prints the address)
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, sep} from 'node:path';
import {fileURLToPath} from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
};

// Serves `root` on 127.0.0.1:port at the address `folder` (as a host serves a page unzipped
// some folders down); resolves to the listening server. While `server.holding` is true, requests
// get no answer, as from a server that has stopped responding.
export function serve(root, port = 0, folder = '/') {
    const server = createServer(async (request, response) => {
        if (server.holding) return;
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        if (!path.startsWith(folder)) {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
            return;
        }
        const inside = path.slice(folder.length - 1);
        const file = normalize(join(root, inside.endsWith('/') ? inside + 'index.html' : inside));
        if (!file.startsWith(normalize(root) + sep) && file !== normalize(root)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': types[extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(request.method === 'HEAD' ? undefined : body);
        } catch {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
        }
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve(server));
    });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [root, port = '8000'] = process.argv.slice(2);
    if (!root) {
        console.error('usage: serve-site.mjs DIR [PORT]');
        process.exit(2);
    }
    const server = await serve(root, Number(port));
    console.log(`http://127.0.0.1:${server.address().port}/`);
}
