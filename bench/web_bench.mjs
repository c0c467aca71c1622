// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's benchmarks, in Debian's Chromium through playwright-core, written as Google
// Benchmark's JSON for scripts/lib/bench_report.py:
// - BM_WebStartup: each page's time origin to its first painted window, and its WebAssembly
//   memory then, for the program's start-up probe and the bare Qt window built the same way,
//   loaded in turn (ABBA...), each in a fresh context with nothing cached;
// - BM_WebCalculateThirdCurve: "Calcular" with two curves shown, on the real page: the time the
//   page's main thread is busy from the click until the frame after it is painted, as Chromium
//   counts it (its TaskDuration), so that the wait for the next frame is not counted; less the
//   same count over a frame with nothing to do beside it, which is what the asking and waiting
//   cost (Playwright's calls into the page), not the program;
// - BM_WebPointerMove: one move of the mouse over the chart, the readout following it, timed the
//   same way;
// - BM_WebDownload: what a student's browser downloads, with gzip -9 as servers send it.
//
//   TANVERA_NODE_MODULES=<folder with node_modules/playwright-core> node bench/web_bench.mjs \
//       build-web/TANVERA-1.00-web build-web/bench > web.json
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { at, launch, serve, viewport } from '../tests/browser/page.mjs';

const [pageDir, benchDir] = process.argv.slice(2);
const pairs = Number(process.env.TANVERA_WEB_PAIRS || 20);
const thirdCurves = Number(process.env.TANVERA_WEB_CALCULATES || 30);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launch();
const probes = await serve(benchDir);
const page = await serve(pageDir);
const address = (server, file) => `http://127.0.0.1:${server.address().port}/${file}`;

// One load of a probe's page: its report, "seconds KiB", as it prints it to the console.
async function firstPaint(name) {
    const context = await browser.newContext({ viewport });
    const tab = await context.newPage();
    const report = new Promise((resolve) => tab.on('console', (message) => {
        const figures = /^(\d+\.\d+) (\d+)$/.exec(message.text());
        if (figures)
            resolve({ ms: Number(figures[1]) * 1e3, MiB: Number(figures[2]) / 1024 });
    }));
    let timer;
    const late = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`${name}: no report`)), 300000);
    });
    await tab.goto(address(probes, `${name}.html`));
    const result = await Promise.race([report, late]).finally(() => clearTimeout(timer));
    await context.close();
    return result;
}

const startup = { ms: [], ms_yardstick: [], MiB: [], MiB_yardstick: [] };
for (let i = 0; i < pairs; i++) {
    const order = i % 2 === 0 ? ['bare_window', 'startup_probe'] : ['startup_probe', 'bare_window'];
    for (const name of order) {
        const { ms, MiB } = await firstPaint(name);
        const suffix = name === 'bare_window' ? '_yardstick' : '';
        startup['ms' + suffix].push(ms);
        startup['MiB' + suffix].push(MiB);
    }
}
const startupRun = { name: 'BM_WebStartup', run_type: 'iteration', time_unit: 'ms',
    real_time: median(startup.ms), ms_pairs: pairs, rss_MiB_pairs: pairs };
for (const counter of ['ms', 'MiB']) {
    const subject = median(startup[counter]), yardstick = median(startup[counter + '_yardstick']);
    const key = counter === 'MiB' ? 'rss_MiB' : 'ms';
    Object.assign(startupRun, { [key]: subject, [key + '_yardstick']: yardstick,
        [key + '_ratio']: subject / yardstick });
}

// "Calcular" on the real page: clear, two curves, then the third, timed.
const context = await browser.newContext({ viewport, locale: 'es-ES' });
const tab = await context.newPage();
await tab.goto(address(page, ''));
await tab.locator('#qtcanvas').waitFor({ state: 'visible', timeout: 300000 });
await tab.waitForTimeout(2000);
const cdp = await context.newCDPSession(tab);
await cdp.send('Performance.enable');
const busySeconds = async () => (await cdp.send('Performance.getMetrics')).metrics
    .find((metric) => metric.name === 'TaskDuration').value;
const framePainted = () => tab.evaluate(
    () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
// The main thread's busy milliseconds over `action` and the frame after it, less those over an
// idle frame counted the same way; and those idle milliseconds.
const busyOver = async (action) => {
    let before = await busySeconds();
    await framePainted();
    const idle = (await busySeconds() - before) * 1e3;
    before = await busySeconds();
    await action();
    await framePainted();
    return [(await busySeconds() - before) * 1e3 - idle, idle];
};
const calculate = async () => {
    await tab.mouse.click(...at.calcular);
    await framePainted();
};
const busy = [], idle = [];
for (let i = 0; i < thirdCurves; i++) {
    await tab.mouse.click(...at.borrar);
    await calculate();
    await calculate();
    await framePainted();
    const [ms, idleMs] = await busyOver(() => tab.mouse.click(...at.calcular));
    busy.push(ms);
    idle.push(idleMs);
}
// The pointer over the chart, a few pixels on at each move: the readout changes every time.
const moves = [];
for (let i = 0; i < thirdCurves; i++) {
    await tab.mouse.move(at.chart[0] + 3 * (i % 20), at.chart[1] + 2 * (i % 20));
    await framePainted();
    const [ms, idleMs] = await busyOver(() => tab.mouse.move(at.chart[0] + 3 * (i % 20) + 1,
        at.chart[1] + 2 * (i % 20) + 1));
    moves.push(ms);
    idle.push(idleMs);
}
await context.close();

const gzipped = ['tanvera.wasm', 'tanvera.js'].reduce((sum, file) =>
    sum + zlib.gzipSync(fs.readFileSync(path.join(pageDir, file)), { level: 9 }).length, 0);

console.log(JSON.stringify({ benchmarks: [
    startupRun,
    { name: 'BM_WebCalculateThirdCurve', run_type: 'aggregate', aggregate_name: 'median',
        time_unit: 'ms', real_time: median(busy), worst_ms: Math.max(...busy),
        idle_frame_ms: median(idle) },
    { name: 'BM_WebPointerMove', run_type: 'aggregate', aggregate_name: 'median',
        time_unit: 'ms', real_time: median(moves), worst_ms: Math.max(...moves) },
    { name: 'BM_WebDownload', run_type: 'iteration', time_unit: 'ms', real_time: 0,
        gzip_MB: gzipped / 1e6 },
] }, null, 1));
await browser.close();
probes.close();
page.close();
