// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The same page in Debian's Firefox ESR, driven through WebDriver BiDi: a
// round by mouse and one by keyboard, and the form as it then shows.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import puppeteer from 'puppeteer-core';

import { countries, formState, parliaments, quizStarted, url } from './page.mjs';

let browser;
let page;

before(async () => {
    browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
        protocol: 'webDriverBiDi',
        headless: true,
    });
    page = await browser.newPage();
    await page.goto(url);
    await page.waitForFunction(quizStarted);
});

after(async () => browser?.close());

const state = () => page.evaluate(formState);
const focused = () => page.evaluate(() => {
    const control = document.activeElement;
    return control.labels?.[0]?.textContent ?? control.getAttribute('aria-label')
           ?? control.textContent;
});

test('a right pair and a wrong one by mouse', async () => {
    assert.equal(await page.title(), 'География - страна, парламент');
    const start = await state();
    const countryLabels = await page.$$('#form .country');
    const options = await page.$$('#form select:not([hidden]) option');
    const [compare] = await page.$$('#form button');
    await countryLabels[8].click();
    await options[0].click();
    await compare.click();
    await countryLabels[1].click();
    await options[2].click();
    await compare.click();
    const shown = await state();
    assert.equal(shown.log, `${start.log}${countries[8]} : ${parliaments[0]} е Вярно\n`
                            + `${countries[1]} : ${parliaments[2]} е Невярно\n`);
    assert.deepEqual([shown.entries[0], shown.entries[2]], ['  ', '  ']);
    assert.deepEqual(shown.enabled.flatMap((on, i) => on ? [] : [i]), [1, 8]);
    assert.deepEqual([shown.rightVisible, shown.wrongVisible], [false, true]);
});

test('Чисти, then a round by keyboard alone', async () => {
    await page.click('#form button:nth-of-type(2)');
    assert.deepEqual((await state()).entries, parliaments);
    assert.equal(await focused(), 'Чисти');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    // Into the group at its checked country, Монголия; the arrows choose.
    assert.equal(await focused(), countries[1]);
    await page.keyboard.press('ArrowDown');
    assert.deepEqual((await state()).checked.flatMap((on, i) => on ? [i] : []), [2]);
    await page.keyboard.press('Tab');
    for (let i = 0; i < 10; ++i)
        await page.keyboard.press('ArrowDown');
    assert.equal((await state()).selection, 9);
    await page.keyboard.press('Tab');
    await page.keyboard.press(' ');
    const shown = await state();
    assert.ok(shown.log.endsWith(`${countries[2]} : ${parliaments[9]} е Вярно\n`));
    assert.equal(await focused(), 'Сравни');
});
