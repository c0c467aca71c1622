// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TANVERA's page in a real browser, driven as a person would: Debian's Chromium through
// Playwright, the page served from loopback. Qt draws the whole window into one canvas, so what
// reaches the screen is read from screenshots, by colour and by change; the clipboard gives the
// numbers as the program writes them.
//
//   TANVERA_WEB_DIR=build-web/TANVERA-1.00-web TANVERA_NODE_MODULES=<folder with
//   node_modules/playwright-core> node --test tests/browser/
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { at, launch, pages, serve, viewport } from './page.mjs';

const root = process.env.TANVERA_WEB_DIR;
const chart = { x: 584, y: 36, width: 488, height: 358 };
const readout = { x: 600, y: 12, width: 170, height: 24 }; // above the chart, left of "t máximo"
const timeScale = { x: 620, y: 378, width: 452, height: 16 };
const centre = { x: 420, y: 200, width: 340, height: 110 }; // where a message box opens

let server, browser, analyser;

before(async () => {
    assert.ok(root, 'TANVERA_WEB_DIR names the folder of the page');
    server = await serve(root);
    browser = await launch();
    analyser = await (await browser.newContext()).newPage();
});

after(() => Promise.all([browser?.close(), server?.close()]));

// Counts in a screenshot's rectangle: the curves' pure colours, and the pixels that differ
// from another screenshot. Decoded by the browser itself, so no image library is needed.
async function measure(shot, rect, other) {
    return analyser.evaluate(async ({ images, rect }) => {
        const pixels = async (base64) => {
            const image = new Image();
            image.src = 'data:image/png;base64,' + base64;
            await image.decode();
            const canvas = new OffscreenCanvas(image.width, image.height);
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            return context.getImageData(rect.x, rect.y, rect.width, rect.height).data;
        };
        const data = await pixels(images[0]);
        const compared = images[1] ? await pixels(images[1]) : null;
        const counts = { red: 0, green: 0, blue: 0, dark: 0, changed: 0, box: null };
        for (let i = 0; i < data.length; i += 4) {
            const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
            const [x, y] = [(i / 4) % rect.width, Math.floor(i / 4 / rect.width)];
            const box = Math.abs(r - 51) + Math.abs(g - 51) + Math.abs(b - 51) > 40 // not the page
                && (counts.box ||= { left: x, top: y, right: x, bottom: y });
            box && Object.assign(box,
                { left: Math.min(box.left, x), right: Math.max(box.right, x), bottom: y });
            if (r > 200 && g < 60 && b < 60) counts.red++;
            if (g > 200 && r < 60 && b < 60) counts.green++;
            if (b > 200 && r < 60 && g < 60) counts.blue++;
            if (r + g + b < 250) counts.dark++;
            if (compared && Math.abs(r - compared[i]) + Math.abs(g - compared[i + 1])
                + Math.abs(b - compared[i + 2]) > 60)
                counts.changed++;
        }
        return counts;
    }, { images: [shot.toString('base64'), other?.toString('base64')], rect });
}

// A rectangle of the window where the page shows it, in the screenshot's pixels, and a point of
// the window in the page's: the page scales the window to fit it.
const inShot = ({ window: { x, y, scale } }, rect) => ({ x: Math.round(x + rect.x * scale),
    y: Math.round(y + rect.y * scale), width: Math.round(rect.width * scale),
    height: Math.round(rect.height * scale) });
const inPage = ({ window: { x, y, scale }, ratio }, at) => [(x + at[0] * scale) / ratio,
    (y + at[1] * scale) / ratio];

// Screenshots until the counts in the window's rectangle satisfy the test, or the time is up.
async function until(page, rect, holds, what, seconds = 20) {
    const end = Date.now() + seconds * 1000;
    let counts;
    do {
        counts = await measure(await page.screenshot(), inShot(page, rect));
        if (holds(counts))
            return counts;
        await page.waitForTimeout(100);
    } while (Date.now() < end);
    assert.fail(`${what}: ${JSON.stringify(counts)}`);
}

// The first paint: the chart's axes and scale, in a canvas that has taken the loading line's
// place; where the page shows the window is read from the screenshot.
async function painted(page) {
    await page.locator('#qtcanvas').waitFor({ state: 'visible', timeout: 120000 });
    const whole = { x: 0, y: 0, ...page.viewportSize() }, ratio = page.ratio;
    [whole.width, whole.height] = [Math.floor(whole.width * ratio), Math.floor(whole.height * ratio)];
    for (const end = Date.now() + 120000; Date.now() < end; await page.waitForTimeout(200)) {
        const shot = await page.screenshot(), { box } = await measure(shot, whole);
        page.window = box && { x: box.left, y: box.top, box, scale: (box.right - box.left + 1) / 1077 };
        if (box && (await measure(shot, inShot(page, chart))).dark > 400)
            return page;
    }
    assert.fail('the window is painted');
}

async function open(locale, device = { viewport },
    address = `http://127.0.0.1:${server.address().port}/`) {
    const context = await browser.newContext({ locale, ...device });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    page.ratio = device.deviceScaleFactor || 1;
    await page.goto(address, { waitUntil: 'domcontentloaded' });
    return painted(page);
}

async function click(page, place, options) {
    await page.mouse.click(...inPage(page, place), options);
    await page.waitForTimeout(150);
}

async function typeInto(page, place, text) {
    await click(page, place);
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text, { delay: 20 });
    await page.waitForTimeout(150);
}

// "Copiar datos" from the chart's menu, opened by a right click or by `openMenu`, read back from
// the browser's clipboard.
async function copiedData(page, openMenu = () => click(page, at.chart, { button: 'right' })) {
    await page.evaluate(() => navigator.clipboard.writeText(''));
    await openMenu();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    for (let i = 0; i < 50; i++) {
        const text = await page.evaluate(() => navigator.clipboard.readText());
        if (text)
            return text.split('\n');
        await page.waitForTimeout(100);
    }
    assert.fail('"Copiar datos" put nothing on the clipboard');
}

test('the window in Spanish: curves, messages, readout, rescale, clearing, copy and exit',
    async () => {
        const page = await open('es-ES');
        const empty = await measure(await page.screenshot(), chart);
        assert.equal(empty.red + empty.green + empty.blue, 0, 'no curve before "Calcular"');

        await click(page, at.calcular);
        await until(page, chart, (c) => c.red > 200, 'the red curve after "Calcular"');
        await typeInto(page, at.feed, '20');
        await click(page, at.calcular);
        const two = await until(page, chart, (c) => c.green > 200 && c.red > 200,
            'a green curve beside the red one');

        // The pointer readout appears above the chart.
        assert.ok((await measure(await page.screenshot(), readout)).dark < 5, 'no readout yet');
        await page.mouse.move(...at.chart);
        await until(page, readout, (c) => c.dark > 20, 'the pointer readout');
        // The README's picture of the page, where asked for.
        if (process.env.TANVERA_WEB_PICTURE)
            fs.writeFileSync(process.env.TANVERA_WEB_PICTURE, await page.screenshot());

        // A new maximum time redraws both curves and the scale at once.
        const before = await page.screenshot();
        await typeInto(page, at.maxTime, '5000');
        const after = await page.screenshot();
        assert.ok((await measure(after, timeScale, before)).changed > 50, 'the time scale redrawn');
        const rescaled = await measure(after, chart, before);
        assert.ok(rescaled.changed > 200 && rescaled.red > 200 && rescaled.green > 200,
            `both curves redrawn: ${JSON.stringify(rescaled)}, before ${JSON.stringify(two)}`);
        await typeInto(page, at.maxTime, '20000');

        // "Copiar datos": the curves as the program writes them, with decimal commas.
        const rows = await copiedData(page);
        assert.equal(rows[0], 't (s)\tV = 5,4 (l) -- Q = 10 (l/h) -- Co = 250 (mol/m3) -- '
            + 'Ap.Valv = 100 (%)\tV = 5,4 (l) -- Q = 20 (l/h) -- Co = 250 (mol/m3) -- '
            + 'Ap.Valv = 100 (%)');
        assert.equal(rows[1], '0\t250\t250');
        assert.equal(rows.filter((row) => row).length, 5002, 'a row for each of 5001 points');

        // "Borrar Gráfica" empties the chart.
        await click(page, at.borrar);
        await until(page, chart, (c) => c.red + c.green === 0, 'no curve after "Borrar Gráfica"');

        // A rejected "Calcular" shows its message and waits until it is closed; the window goes on.
        await typeInto(page, at.volume, '0');
        const calm = await page.screenshot();
        await click(page, at.calcular);
        await page.waitForTimeout(1500); // the box paints, and must still stand after a while
        const waiting = await measure(await page.screenshot(), centre, calm);
        assert.ok(waiting.changed > 1000, `the message box stands open: ${JSON.stringify(waiting)}`);
        await page.keyboard.press('Enter');
        await page.waitForTimeout(500);
        const closed = await measure(await page.screenshot(), centre, calm);
        assert.ok(closed.changed < 50, `the box closes with its button: ${JSON.stringify(closed)}`);
        await typeInto(page, at.volume, '5.4');
        await click(page, at.calcular);
        await until(page, chart, (c) => c.red > 200, 'the next "Calcular" after the message');

        // "Salir": a page cannot close its tab; it says the program has closed.
        await click(page, at.salir);
        await page.getByText('TANVERA se ha cerrado.').waitFor({ timeout: 10000 });
        assert.equal(await page.locator('#qtcanvas').isVisible(), false);
        await page.context().close();
    });

test('the decimal separator follows the browser language', async () => {
    const spanish = await open('es-ES');
    const english = await open('en-US');
    // "10,00" and "10.00" differ only where a comma's tail stands below the line.
    const outflow = { x: 471, y: 258, width: 60, height: 25 };
    const boxes = await measure(await spanish.screenshot(), outflow, await english.screenshot());
    assert.ok(boxes.changed >= 2, `the outflow box reads differently: ${JSON.stringify(boxes)}`);
    await click(english, at.calcular);
    await until(english, chart, (c) => c.red > 200, 'the red curve');
    const rows = await copiedData(english);
    assert.match(rows[0], /^t \(s\)\tV = 5\.4 \(l\) -- Q = 10 \(l\/h\)/);
    assert.match(rows[2], /^4\t249\.\d+$/);
    await spanish.context().close();
    await english.context().close();
});

// A finger on the window's place (none: lifted), through the browser's own touch input.
async function touch(page, type, place) {
    page.cdp ||= await page.context().newCDPSession(page);
    const [x, y] = place ? inPage(page, place) : [];
    await page.cdp.send('Input.dispatchTouchEvent', { type, touchPoints: place ? [{ x, y }] : [] });
}
const tap = async (page, place) => (await touch(page, 'touchStart', place), touch(page, 'touchEnd'));
const keys = async (page, ...names) => { for (const name of names) await page.keyboard.press(name); };

for (const [name, device] of Object.entries(pages)) {
    test(`${name}: the window whole, a tap and typing, "Calcular", a drag and a long press`,
        async () => {
            const page = await open('es-ES', device);
            // Whole, in its own shape, as large as the page lets it, centred, in enough pixels.
            const { x, y, scale, box } = page.window, { width, height } = device.viewport;
            const [right, bottom] = [width * page.ratio - box.right, height * page.ratio - box.bottom];
            assert.ok(Math.min(x, y, right, bottom) >= 0 && Math.min(x + right, y + bottom) <= 4
                && Math.abs(x - right) <= 4 && Math.abs(y - bottom) <= 4
                && Math.abs(box.bottom - box.top + 1 - viewport.height * scale) <= 2
                && await page.evaluate(() => qtcanvas.width) > 0.95 * (right + box.right),
                JSON.stringify(box));
            // A tap into "V (l):" brings a decimal keyboard, whose keys and composed text reach it.
            await tap(page, at.volume);
            await page.waitForFunction(() => document.activeElement.inputMode === 'decimal', null,
                { timeout: 5000 });
            await keys(page, 'End', 'Backspace', 'Backspace', 'Backspace');
            await page.cdp.send('Input.imeSetComposition',
                { text: '2', selectionStart: 1, selectionEnd: 1 });
            await page.keyboard.insertText('20');
            await tap(page, at.calcular);
            await until(page, chart, (c) => c.red > 200, 'the red curve after a tap on "Calcular"');
            // A drag shows the readout, which stays as the finger lifts.
            for (let i = 0; i <= 5; i++)
                await touch(page, i ? 'touchMove' : 'touchStart', [at.chart[0] + 20 * i, 200 + 10 * i]);
            await touch(page, 'touchEnd');
            await until(page, readout, (c) => c.dark > 20, 'the pointer readout after a drag');
            // A long press opens the chart's menu: the curve as typed, on the clipboard.
            const rows = await copiedData(page, async () => (await touch(page, 'touchStart', at.chart),
                await page.waitForTimeout(800), touch(page, 'touchEnd')));
            assert.match(rows[0], /^t \(s\)\tV = 20 \(l\) -- Q = 10 \(l\/h\)/);
            await page.context().close();
        });
}

test('the keyboard alone from the load: every control, "Calcular", the menu, a message', async () => {
    const page = await open('es-ES');
    // The focus starts in "V (l):"; Tab goes round eleven controls and the chart back to it.
    await keys(page, ...Array(12).fill('Tab'), 'Control+A', '2', '0', 'Tab', 'Tab', 'Tab', 'Space');
    await until(page, chart, (c) => c.red > 200, 'the red curve after Space on "Calcular"');
    await page.keyboard.press('Tab'); // the chart
    assert.match((await copiedData(page, () => keys(page, 'Shift+F10')))[0], /V = 20 \(l\)/);
    // Escape closes a message.
    await keys(page, 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Control+A', '0', 'Tab',
        'Tab', 'Tab');
    const calm = await page.screenshot();
    const changed = async (key) => (await keys(page, key), await page.waitForTimeout(1500),
        (await measure(await page.screenshot(), centre, calm)).changed);
    assert.ok(await changed('Space') > 1000, 'the message');
    assert.ok(await changed('Escape') < 50, 'the message closed');
    await page.context().close();
});

test('offline: the kept page opens without a network; a new build replaces it online', async () => {
    // From a course platform's folder, .wasm of no known type; build "b" differs in its version.
    let build = 'a';
    const served = await serve(root, { under: '/curso/tanvera/', wasm: 'application/octet-stream',
        edit: (name, data) => name !== 'index.html' || build === 'a' ? data : Buffer.from(
            String(data).replaceAll(/const version = "(\w+)/.exec(data)[1], 'b$&')) });
    const page = await open('es-ES', { viewport },
        `http://127.0.0.1:${served.address().port}/curso/tanvera/`);
    // The one build kept whole, its page and six files: its cache's name and the page's version.
    const kept = () => page.evaluate(async () => {
        for (let names; ; await new Promise((resolve) => setTimeout(resolve, 200))) {
            names = await caches.keys();
            if (names.length === 1 && (await (await caches.open(names[0])).keys()).length >= 7)
                return [names[0], version];
        }
    });
    const reload = async (offline) => (await page.context().setOffline(offline), await page.reload(),
        painted(page));
    const [first] = await kept();
    await click(await reload(true), at.calcular);
    await until(page, chart, (c) => c.red > 200, 'the red curve offline');
    build = 'b';
    await reload(false);
    const [second, version] = await kept();
    assert.ok(second !== first && version.startsWith('b') && second.endsWith(version));
    await reload(true);
    assert.equal(await page.evaluate(() => version), version, 'the new build, offline');
    await page.context().close();
    served.close();
});
