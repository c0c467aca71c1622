// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the page: the tree of the window's elements as Playwright reads
// it, the announcements, the focus, and axe-core's WCAG 2.1 A and AA rules over it all.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { at, launch, serve, viewport } from './page.mjs';

const axe = createRequire(path.join(process.env.TANVERA_NODE_MODULES || '.', 'x.js'))
    .resolve('axe-core/axe.min.js');
const chartName = 'Gráfica de concentración frente al tiempo';
const red = 'Curva roja: V = 5,4 (l) -- Q = 10 (l/h) -- Co = 250 (mol/m3) -- Ap.Valv = 100 (%)';
let server, browser, page;

before(async () => {
    server = await serve(process.env.TANVERA_WEB_DIR);
    browser = await launch();
    page = await (await browser.newContext({ locale: 'es-ES', viewport })).newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await control(chartName).waitFor({ state: 'attached', timeout: 120000 });
    // Everything said through the live region, in order.
    await page.evaluate(() => {
        const live = document.getElementById('tanvera-anuncios');
        window.said = [];
        new MutationObserver(() => window.said.push(live.textContent)).observe(live, { childList: true });
    });
});

after(() => Promise.all([browser?.close(), server?.close()]));

// Chromium's own accessibility tree of the canvas, as a screen reader gets it: a line per node
// with its role, name, value and description, containers without a name left out; and the name
// of the node that has the focus.
async function tree() {
    const { nodes } = await (await page.context().newCDPSession(page)).send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((n) => [n.nodeId, n])), lines = [];
    const walk = (node, depth, said) => {
        const [role, name, value, description] = ['role', 'name', 'value', 'description']
            .map((k) => node[k]?.value ?? '');
        const shown = !node.ignored && !['generic', 'InlineTextBox', 'LineBreak'].includes(role)
            && !(role === 'StaticText' && said.includes(name));
        if (shown)
            lines.push(`${'  '.repeat(depth)}${role} "${name}"${value ? `: ${value}` : ''}`
                + (description ? ` (${description})` : ''));
        for (const child of node.childIds ?? [])
            walk(byId.get(child), depth + (shown ? 1 : 0), shown ? [name, value, description] : said);
    };
    walk(nodes.find((n) => n.role?.value === 'Canvas'), 0, []);
    const focus = nodes.find((n) => n.role?.value !== 'RootWebArea'
        && n.properties?.some((p) => p.name === 'focused' && p.value.value));
    return { text: lines.join('\n'), focused: focus?.name?.value };
}

const control = (name) => page.locator(`#tanvera-accesible [aria-label="${name}"]`);

const click = ([x, y]) => page.mouse.click(x, y).then(() => page.waitForTimeout(200));

// A box's text replaced, typed as a screen reader's user would once the reader is on the box.
async function retype(name, text) {
    await control(name).focus();
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text);
}

async function noViolations(what) {
    await page.addScriptTag({ path: axe });
    const violations = await page.evaluate(async () => (await axe.run(document, { runOnly: {
        type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } })).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`));
    assert.deepEqual(violations, [], what);
}

test('at start-up every control tells its role, name and value; axe finds nothing', async () => {
    assert.equal((await tree()).text, fs.readFileSync(new URL('accessibility-start.yml', import.meta.url),
        'utf8').trim());
    await noViolations('at start-up');
});

test('"Calcular": the new legend is said once, the chart tells its curves', async () => {
    await click(at.calcular);
    await page.waitForFunction(() => window.said.length > 0);
    await page.waitForTimeout(300);
    assert.deepEqual(await page.evaluate(() => window.said), [red]);
    assert.match((await tree()).text, new RegExp('\\n    figure "' + chartName + '" \\(Eje t \\(s\\) de 0 a '
        + '20000\\. Eje Conc\\. HCl \\(mol/m3\\) de 0 a [\\d,]+\\. Curva roja: V = 5,4 \\(l\\)'));
    // Two more curves, from the feed's box as a screen reader reaches it.
    for (const feed of ['20', '30'])
        await retype('Q1 (l/h):', feed).then(() => click(at.calcular));
    await page.locator('#tanvera-anuncios', { hasText: /^Curva azul: V = 5,4 \(l\) -- Q = 30/ })
        .waitFor({ state: 'attached' });
    await noViolations('with three curves');
});

test('a rejected "Calcular" is an alertdialog with the focus; it goes back when it closes',
    async () => {
        await retype('Apertura válvula (%)', '150');
        await retype('V (l):', '0');
        await click(at.calcular);
        // The valve's message first: the volume's opens once it is closed.
        await page.locator('[role=alertdialog]', { hasText: 'mayor del 100%' })
            .waitFor({ state: 'attached' });
        await page.keyboard.press('Enter');
        await page.locator('[role=alertdialog]', { hasText: 'mayores que cero' })
            .waitFor({ state: 'attached' });
        const { text: shown, focused } = await tree();
        assert.ok(shown.includes('\n  alertdialog "TANVERA" (El Volumen, el Caudal, la apertura de la '
            + 'válvula y la Concentración inicial deben ser mayores que cero)\n'), shown);
        assert.match(shown, /alertdialog[^]*\n    button "Aceptar"/);
        assert.equal(focused, 'Aceptar');
        await noViolations('with the message open');
        await page.keyboard.press('Enter');
        await page.locator('[role=alertdialog]').waitFor({ state: 'detached' });
        assert.equal((await tree()).focused, 'Calcular');
    });

test('Tab visits each control in the window\'s order, and the tree\'s focus follows', async () => {
    const order = ['V (l):', 'Q1 (l/h):', 'Cjo (mol/m3):', 'Calcular', chartName, 'Borrar Gráfica',
        't máximo (s):', 't (s)', 'Apertura válvula (%)', 'C1j (mol/m3):', 'Q2 (l/h):', 'Salir',
        'V (l):'];
    await control('V (l):').focus();
    const visited = [(await tree()).focused];
    while (visited.length < order.length)
        visited.push(await page.keyboard.press('Tab').then(tree).then((t) => t.focused));
    assert.deepEqual(visited, order);
    // A screen reader's press reaches the button: the chart empties.
    await page.locator('#tanvera-accesible button', { hasText: 'Borrar Gráfica' }).dispatchEvent('click');
    await page.locator('#tanvera-anuncios', { hasText: 'Curva roja: sin dibujar' })
        .waitFor({ state: 'attached' });
});
