// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and the browser benchmarks share: a static server on loopback and
// Debian's Chromium driven by playwright-core, which lives where TANVERA_NODE_MODULES says
// (outside the repository).
import fs from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import path from 'node:path';

const { chromium, devices } = createRequire(path.join(process.env.TANVERA_NODE_MODULES || '.', 'x.js'))(
    'playwright-core');

// The window fills a page of its own size: its places are the desktop window's, in pixels.
export const viewport = { width: 1077, height: 548 };
export const at = {
    calcular: [116, 468], salir: [283, 467], borrar: [828, 497], volume: [347, 339],
    feed: [159, 91], maxTime: [934, 22], chart: [850, 200],
};

// The pages of the students' devices, emulated: touch, a mobile browser and its pixel ratio.
export const pages = {
    'iPad, portrait': devices['iPad (gen 7)'], 'iPad, landscape': devices['iPad (gen 7) landscape'],
    'Android tablet': devices['Galaxy Tab S4'], 'phone, portrait': devices['Pixel 7'],
    'phone, landscape': devices['Pixel 7 landscape'],
    // 1366 × 768 zoomed, less the browser's own bars; a touch screen, as many laptops have.
    'desktop at 150 %': { viewport: { width: 911, height: 433 }, deviceScaleFactor: 1.5, hasTouch: true },
    'desktop at 200 %': { viewport: { width: 683, height: 325 }, deviceScaleFactor: 2, hasTouch: true },
};

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
    '.wasm': 'application/wasm' };

// Serves the folder `root` on a free loopback port; resolves to the server. Options: `under`, the
// folder of the address it is served at; `edit` (name, bytes → bytes), each file as served; and
// `wasm`, the type .wasm is served as (servers that know no better send octet-stream).
export async function serve(root, { under = '/', edit = (name, data) => data, wasm } = {}) {
    const server = http.createServer((request, response) => {
        const address = new URL(request.url, 'http://localhost').pathname.replace(/\/$/, '/index.html');
        const file = path.join(root, path.normalize(decodeURIComponent(address.slice(under.length))));
        fs.readFile(file, (error, data) => {
            const type = path.extname(file) === '.wasm' && wasm || types[path.extname(file)];
            error ||= !address.startsWith(under);
            response.writeHead(error ? 404 : 200,
                { 'Content-Type': type || 'application/octet-stream' });
            response.end(error ? undefined : edit(path.basename(file), data));
        });
    }).listen(0, '127.0.0.1');
    await new Promise((resolve) => server.on('listening', resolve));
    return server;
}

export function launch() {
    return chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        // Qt's loader needs WebGL, which headless Chromium has through SwiftShader. This machine
        // reaches no other host: Chromium's own connections stay off.
        args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--no-first-run'],
    });
}
