// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages audited by axe-core against WCAG 2.0, 2.1 and 2.2, levels A and
// AA, in Chromium: the quiz on a projector, a laptop, a tablet either way
// and a phone, and the set maker with a set made, on a laptop and a phone.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import AxeBuilder from '@axe-core/playwright';

import { launchChromium, newPage, quizStarted, url } from './page.mjs';

const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa'];
const sizes = [[1920, 1080], [1280, 800], [1024, 768], [768, 1024], [360, 740]];

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => browser?.close());

async function violations(page) {
    const { violations } = await new AxeBuilder({ page }).withTags(tags).analyze();
    return violations.map(violation => `${violation.id}: ${violation.nodes.map(node => node.target).join(' ')}`);
}

for (const [width, height] of sizes) {
    test(`the quiz at ${width}×${height}, after a wrong pair: no violation`, async () => {
        const page = await newPage(browser, { width, height });
        await page.goto(url);
        await page.waitForFunction(quizStarted);
        await page.getByRole('radio', { name: 'Полша', exact: true }).check();
        await page.getByRole('option', { name: 'Диета', exact: true }).click();
        await page.getByRole('button', { name: 'Сравни', exact: true }).click();
        assert.deepEqual(await violations(page), []);
        await page.context().close();
    });
}

for (const [width, height] of [[1280, 800], [360, 740]]) {
    test(`the set maker at ${width}×${height}, with a set made: no violation`, async () => {
        const page = await newPage(browser, { width, height });
        await page.goto(new URL('make.html', url).href);
        await page.getByLabel('Заглавие', { exact: true }).fill('Реки');
        await page.getByLabel('Заглавие на лявата колона (ред 1)').fill('Река');
        await page.getByLabel('Заглавие на дясната колона (ред 1)').fill('Влива се в');
        for (const [row, left, right] of [[2, 'Искър', 'Дунав'], [3, 'Камчия', 'Черно море']]) {
            await page.getByLabel(`Ляво, ред ${row}`).fill(left);
            await page.getByLabel(`Дясно, ред ${row}`).fill(right);
        }
        await page.getByRole('heading', { name: 'Готово' }).waitFor();
        assert.deepEqual(await violations(page), []);
        await page.context().close();
    });
}
