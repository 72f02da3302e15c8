// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The set maker in Chromium, by role and name: a set typed, its problems
// said as she types, then pasted from a spreadsheet, and played through its
// link and through its QR code, read back from the page's pixels by jsQR.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import jsQR from 'jsqr';

import { launchChromium, newPage, url } from './page.mjs';

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => browser?.close());

async function openMaker() {
    const page = await newPage(browser, { width: 800, height: 900 });
    await page.goto(new URL('make.html', url).href);
    await page.getByRole('status').filter({ hasText: 'Наборът още не е готов' }).waitFor();
    return page;
}

const problem = page => page.getByRole('status').textContent();

test('a set typed is judged as she types, then played through its link', async () => {
    const page = await openMaker();
    await page.getByLabel('Заглавие', { exact: true }).fill('Реки');
    assert.equal(await problem(page), 'Наборът още не е готов: ред 1: лявото заглавие е празно.');
    await page.getByLabel('Заглавие на лявата колона (ред 1)').fill('Река');
    await page.getByLabel('Заглавие на дясната колона (ред 1)').fill('Влива се в');
    await page.getByLabel('Ляво, ред 2').fill('Искър');
    await page.getByLabel('Дясно, ред 2').fill('Дунав');
    assert.equal(await problem(page), 'Наборът още не е готов: двойката е само една; трябват поне 2.');
    await page.getByLabel('Ляво, ред 3').fill('Искър');
    await page.getByLabel('Дясно, ред 3').fill('Черно море');
    assert.equal(await problem(page), 'Наборът още не е готов: ред 3: „Искър“ е и на ред 2.');
    await page.getByLabel('Ляво, ред 3').fill('Камчия');
    assert.equal(await problem(page), 'Наборът е готов.');

    // More rows as needed, up to twelve pairs: three to start with, nine more.
    for (let i = 0; i < 9; ++i)
        await page.getByRole('button', { name: 'Още една двойка' }).click();
    assert.equal(await page.getByRole('button', { name: 'Още една двойка' }).isDisabled(), true);
    assert.equal(await page.getByLabel('Ляво, ред 13').count(), 1);

    const link = await page.getByLabel('Връзка за учениците').inputValue();
    assert.ok(link.startsWith(new URL('index.html#set=1', url).href), link);
    const download = page.waitForEvent('download');
    await page.getByRole('link', { name: 'Изтеглете файла (CSV)' }).click();
    const file = await download;
    assert.equal(file.suggestedFilename(), 'Реки.csv');

    await page.getByRole('link', { name: 'Играйте сега' }).click();
    await page.getByRole('radio', { name: 'Камчия', exact: true }).waitFor();
    assert.equal(await page.title(), 'Реки');
});

test('two columns pasted from a spreadsheet, and the QR code a phone reads', async () => {
    const page = await openMaker();
    await page.getByLabel('Заглавие', { exact: true }).fill('Столици');
    await page.getByLabel('Заглавие на лявата колона (ред 1)').fill('Столица');
    await page.getByLabel('Заглавие на дясната колона (ред 1)').fill('Държава');
    await page.getByLabel('Или поставете тук две колони, копирани от таблица')
        .fill('София\tБългария\r\nАтина\tГърция\r\nРим\tИталия\r\n');
    assert.equal(await problem(page), 'Наборът е готов.');
    assert.equal(await page.getByLabel('Ляво, ред 4').inputValue(), 'Рим');

    const link = await page.getByLabel('Връзка за учениците').inputValue();
    const { width, height, data } = await page.evaluate(() => {
        const canvas = document.getElementById('qr');
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return { width: pixels.width, height: pixels.height, data: [...pixels.data] };
    });
    const read = jsQR(Uint8ClampedArray.from(data), width, height);
    assert.equal(read?.data, link);

    const phone = await browser.newContext({ viewport: { width: 360, height: 740 }, hasTouch: true });
    const learner = await phone.newPage();
    await learner.goto(read.data);
    await learner.getByRole('radio', { name: 'Атина', exact: true }).tap();
    await learner.getByRole('listbox', { name: 'Държава' }).selectOption('Гърция');
    await learner.getByRole('button', { name: 'Сравни', exact: true }).tap();
    const log = await learner.getByRole('textbox', { name: 'Задание и дневник на отговорите' }).inputValue();
    assert.ok(log.endsWith('Атина : Гърция е Вярно\n'), log);
});

test('a set file opened to change it, and a bad one said', async () => {
    const page = await openMaker();
    await page.getByLabel('Или отворете файл с набор, за да го промените (CSV)').setInputFiles({
        name: 'Реки.csv', mimeType: 'text/csv',
        buffer: Buffer.from('\ufeffРека;Влива се в\r\nИскър;Дунав\r\nКамчия;Черно море\r\n'),
    });
    await page.getByRole('status').filter({ hasText: 'Наборът е готов.' }).waitFor();
    assert.equal(await page.getByLabel('Заглавие', { exact: true }).inputValue(), 'Реки');
    assert.equal(await page.getByLabel('Дясно, ред 3').inputValue(), 'Черно море');
    await page.getByLabel('Дясно, ред 3').fill('Черно море, край Варна, при нос Емине');
    assert.equal(await problem(page), 'Наборът още не е готов: ред 3: „Черно море, край Варна, '
                                      + 'при нос Емине“ не се побира в списъка; побира се '
                                      + '„Черно море, край Вар“.');
    assert.equal(await page.locator('#result').isHidden(), true);
});
