// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A teacher's own set in Chromium, found by role and name: chosen as a file,
// then opened again from the link the page then shows; a file beside the
// site (?set=); an item written as HTML; and bad sets, refused in the alert.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { launchChromium, newPage as pageIn, url } from './page.mjs';

const logName = 'Задание и дневник на отговорите';
const capitals = 'Столица;Държава\r\nСофия;България\r\nАтина;Гърция\r\nРим;Италия\r\n'
               + 'Париж;Франция\r\nВиена;Австрия\r\n';

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => browser?.close());

const newPage = () => pageIn(browser);

async function choose(page, name, text) {
    await page.goto(url);
    await page.getByRole('textbox', { name: logName }).waitFor();
    const reloaded = page.waitForEvent('load');
    await page.getByLabel('Свой набор от двойки (CSV):')
        .setInputFiles({ name, mimeType: 'text/csv', buffer: Buffer.from(text) });
    await reloaded;
}

const shownSet = page => page.evaluate(() => ({
    title: document.title,
    heading: document.querySelector('h1')?.textContent,
    countries: [...document.querySelectorAll('#form input[type=radio]')]
        .map(radio => radio.labels[0].textContent),
    entries: [...document.querySelector('#form select').options].map(option => option.textContent),
}));

test('a set chosen as a file plays, and the link it leaves opens the same set', async () => {
    const page = await newPage();
    await choose(page, 'Столици.csv', capitals);
    await page.getByRole('textbox', { name: logName }).waitFor();
    const expected = {
        title: 'Столици',
        heading: 'Столици',
        countries: ['София', 'Атина', 'Рим', 'Париж', 'Виена'],
        entries: ['Австрия', 'България', 'Гърция', 'Италия', 'Франция'],
    };
    assert.deepEqual(await shownSet(page), expected);
    const link = await page.evaluate(() => location.hash);
    assert.match(link, /^#set=1[\w-]+$/);
    console.log(`the five capitals' link after the address: ${link.length} characters`);

    await page.getByRole('radio', { name: 'Атина', exact: true }).check();
    await page.getByRole('listbox', { name: 'Държава' }).selectOption('Гърция');
    await page.getByRole('button', { name: 'Сравни', exact: true }).click();
    await page.getByRole('radio', { name: 'София', exact: true }).check();
    await page.getByRole('listbox', { name: 'Държава' }).selectOption({ index: 0 });
    await page.getByRole('button', { name: 'Сравни', exact: true }).click();
    const log = await page.getByRole('textbox', { name: logName }).inputValue();
    assert.ok(log.startsWith('Задача: Столици\n'), log);
    assert.ok(log.endsWith('Атина : Гърция е Вярно\nСофия : Австрия е Невярно\n'), log);

    // The link in a new tab, and in the address bar of a tab at the built-in quiz.
    const learner = await newPage();
    await learner.goto(url + link);
    await learner.getByRole('textbox', { name: logName }).waitFor();
    assert.deepEqual(await shownSet(learner), expected);
    await learner.goto(url);
    await learner.getByRole('radio', { name: 'България', exact: true }).waitFor();
    await learner.goto(url + link);
    await learner.getByRole('radio', { name: 'Атина', exact: true }).waitFor();
    assert.deepEqual(await shownSet(learner), expected);
});

test('a set file that lies beside the site opens by its name', async () => {
    const page = await newPage();
    await page.goto(url + '?set=' + encodeURIComponent('Столици на Европа.csv'));
    await page.getByRole('textbox', { name: logName }).waitFor();
    const shown = await shownSet(page);
    assert.equal(shown.heading, 'Столици на Европа');
    assert.equal(shown.countries.length, 12);
    assert.equal(shown.countries[0], 'София');
    assert.ok(shown.entries.includes('Великобритания'));
});

test('an item written as HTML shows as those characters', async () => {
    const page = await newPage();
    await choose(page, 'Тагове.csv', 'Таг;Значение\r\n<b>x</b>;удебелен\r\n<i>x</i>;наклонен\r\n');
    await page.getByRole('radio', { name: '<b>x</b>', exact: true }).waitFor();
    assert.equal(await page.locator('#form b, #form i').count(), 0);
});

test('a bad set is refused in the alert, with the way back', async () => {
    const page = await newPage();
    await choose(page, 'Лош.csv', 'Столица;Държава\r\nСофия;България\r\nАтина;Гърция;Европа\r\n');
    const alert = page.getByRole('alert');
    await alert.waitFor();
    assert.equal(await alert.textContent(), 'Наборът не може да се отвори: ред 3: в реда трябват '
                                            + 'две клетки, лява и дясна, а са 3.Към вградения тест'
                                            + 'Направете свой набор');
    assert.equal(await alert.getByRole('link', { name: 'Направете свой набор' }).getAttribute('href'),
                 'make.html');
    assert.equal(await page.locator('#form').isHidden(), true);
    await alert.getByRole('link', { name: 'Към вградения тест' }).click();
    await page.getByRole('radio', { name: 'България', exact: true }).waitFor();

    for (const [address, said] of [
        ['#set=1@@', 'Наборът не може да се отвори: връзката е непълна или повредена'],
        ['?set=..%2Fsecret.csv', 'Наборът „../secret.csv“ не може да се отвори'],
        ['?set=' + encodeURIComponent('Няма го.csv'), 'Наборът „Няма го.csv“ не може да се зареди'],
    ]) {
        await page.goto(url + address);
        await alert.waitFor();
        assert.ok((await alert.textContent()).startsWith(said), await alert.textContent());
    }
});
