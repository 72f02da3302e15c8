// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz as a learner meets it in a browser: the page, a round by mouse and
// one by keyboard, read back as a screen reader reads the page (Chromium's
// accessibility tree and the live region), and a start with no connection.
// QUIZ_URL names the site, served as a school serves it (scripts/run-web-tests).

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { chromium } from 'playwright-core';

const url = process.env.QUIZ_URL;
assert.ok(url, 'QUIZ_URL must name the served site');

const title = 'parliament-quiz.example.org География - страна, парламент';
const countries = ['Норвегия', 'Монголия', 'Полша', 'Израел', 'Турция', 'Япония', 'САЩ', 'Русия',
                   'Германия', 'Сърбия', 'България', 'Испания'];
const parliaments = ['Бундестаг', 'Велик Хурал', 'Диета', 'Държавна дума', 'Кносет', 'Конгрес',
                     'Кортеси', 'Меджлис', 'Народно събрание', 'Сейм', 'Скупщина', 'Стартинг'];

let browser;
let context;
let page;

before(async () => {
    browser = await chromium.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
    context = await browser.newContext({ viewport: { width: 800, height: 600 } });
    page = await context.newPage();
    page.on('pageerror', error => assert.fail(`the page threw: ${error.message}`));
    await openQuiz();
});

after(async () => browser?.close());

async function openQuiz() {
    await page.goto(url);
    await page.locator('#loading').waitFor({ state: 'hidden', timeout: 60000 });
    await page.getByRole('textbox', { name: 'Задание и дневник на отговорите' })
        .waitFor({ state: 'attached' });
    // Every announcement the live region gains, in order.
    await page.evaluate(() => {
        window.heard = [];
        const region = document.getElementById('qt-shadow-container')
                           .shadowRoot.getElementById('quiz-announcements');
        new MutationObserver(changes => {
            for (const change of changes)
                for (const node of change.addedNodes)
                    window.heard.push(node.textContent);
        }).observe(region, { childList: true });
    });
}

// What a screen reader is given: the unignored nodes of Chromium's tree.
async function accessibilityTree() {
    const cdp = await context.newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    await cdp.detach();
    return nodes.filter(node => !node.ignored).map(node => ({
        role: node.role?.value,
        name: node.name?.value ?? '',
        value: node.value?.value,
        ...Object.fromEntries((node.properties ?? []).map(p => [p.name, p.value.value])),
    }));
}

async function named(role, name) {
    const found = (await accessibilityTree()).filter(n => n.role === role && n.name === name);
    assert.equal(found.length, 1, `one ${role} "${name}"`);
    return found[0];
}

async function logText() {
    return (await named('textbox', 'Задание и дневник на отговорите')).value;
}

async function shownVerdicts() {
    const texts = (await accessibilityTree()).filter(n => n.role === 'StaticText').map(n => n.name);
    return ['Вярно', 'Невярно'].filter(verdict => texts.includes(verdict));
}

// Qt handles input at once and the page's copy follows on a zero timer:
// done once the page's own timers that were due have run, and a frame after.
async function settled() {
    await page.evaluate(() => new Promise(resolve => setTimeout(
        () => setTimeout(() => requestAnimationFrame(() => resolve()), 0), 0)));
}

async function press(key) {
    await page.keyboard.press(key);
    await settled();
}

// A click on the canvas where the page says the control is.
async function clickOn(role, name) {
    const box = await page.getByRole(role, { name, exact: true }).boundingBox();
    assert.ok(box, `${role} "${name}" has a place on the page`);
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    await settled();
}

// Presses the key until the condition holds, at most once for each country.
async function pressUntil(key, condition) {
    for (let presses = 0; !(await condition()); ++presses) {
        assert.ok(presses < countries.length, `${key} never got there`);
        await press(key);
    }
}

async function heardSince(count) {
    await page.waitForFunction(n => window.heard.length > n, count, { timeout: 5000 });
    await page.waitForTimeout(200); // a second announcement would come now
    return page.evaluate(n => window.heard.slice(n), count);
}

async function focusedName() {
    const focused = (await accessibilityTree()).filter(n => n.focused && n.role !== 'RootWebArea');
    assert.equal(focused.length, 1, 'one control has the browser\'s focus');
    return `${focused[0].role} ${focused[0].name}`;
}

describe('the page', () => {
    test('is Bulgarian, named as the window, and shows the form at its designed size', async () => {
        assert.equal(await page.getAttribute('html', 'lang'), 'bg');
        assert.equal(await page.title(), title);
        const screen = await page.locator('#screen').boundingBox();
        assert.deepEqual([screen.width, screen.height], [461, 406]);
        // In the middle of the page.
        assert.ok(Math.abs(screen.x + screen.width / 2 - 400) <= 1);
        assert.ok(Math.abs(screen.y + screen.height / 2 - 300) <= 1);
        const canvas = await page.locator('canvas').boundingBox();
        assert.deepEqual([canvas.width, canvas.height], [461, 406]);
    });

    test('loads nothing from another site and stores nothing', async () => {
        const origin = new URL(url).origin;
        const loaded = await page.evaluate(() => performance.getEntriesByType('resource')
                                                     .map(entry => entry.name));
        assert.deepEqual(loaded.filter(name => !name.startsWith(origin)), []);
        assert.deepEqual(await context.cookies(), []);
        assert.equal(await page.evaluate(() => localStorage.length + sessionStorage.length), 0);
    });

    test('says in plain Bulgarian when the browser cannot run the quiz', async () => {
        const problem = async options => {
            const other = await browser.newContext({ serviceWorkers: 'block', ...options });
            const visit = await other.newPage();
            if (options.javaScriptEnabled)
                await visit.addInitScript(() => { delete globalThis.WebAssembly; });
            await visit.goto(url);
            const text = await visit.locator('#problem:not([hidden]), noscript .problem').innerText();
            await other.close();
            return text;
        };
        assert.match(await problem({ javaScriptEnabled: true }), /^Този браузър не може да изпълни/);
        assert.match(await problem({ javaScriptEnabled: false }), /^Тестът работи само с включен JavaScript/);
    });

    test('names every control with its role, in the form\'s order', async () => {
        const tree = await accessibilityTree();
        assert.deepEqual(tree.filter(n => n.role === 'radio').map(n => [n.name, n.checked]),
                         countries.map(country => [country, 'false']));
        assert.deepEqual(tree.filter(n => n.role === 'option').map(n => n.name), parliaments);
        assert.ok(await named('listbox', 'Парламент'));
        assert.deepEqual(tree.filter(n => n.role === 'button').map(n => n.name),
                         ['Сравни', 'Чисти']);
        assert.match(await logText(), /^Да се състави проект/);
        assert.equal(await focusedName(), 'textbox Задание и дневник на отговорите');
        assert.deepEqual(await shownVerdicts(), ['Вярно', 'Невярно']);
        // Qt's own English offer to turn its accessibility on stays out of the way.
        assert.equal(tree.filter(n => n.name === 'Enable Screen Reader').length, 0);
    });
});

describe('a round', () => {
    test('by mouse: a right pair, then a wrong one, each heard once as its log line', async () => {
        await clickOn('radio', 'Германия');
        assert.equal((await named('radio', 'Германия')).checked, 'true');
        await clickOn('option', 'Бундестаг');
        assert.equal((await named('option', 'Бундестаг')).selected, true);
        let heard = await page.evaluate(() => window.heard.length);
        await clickOn('button', 'Сравни');
        assert.deepEqual(await heardSince(heard), ['Германия : Бундестаг е Вярно']);
        assert.ok((await logText()).endsWith('\nГермания : Бундестаг е Вярно\n'));
        assert.deepEqual(await shownVerdicts(), ['Вярно']);
        assert.equal((await named('radio', 'Германия')).disabled, true);

        await clickOn('radio', 'Монголия');
        await clickOn('option', 'Диета');
        heard = await page.evaluate(() => window.heard.length);
        await clickOn('button', 'Сравни');
        assert.deepEqual(await heardSince(heard), ['Монголия : Диета е Невярно']);
        assert.ok((await logText()).endsWith('\nМонголия : Диета е Невярно\n'));
        assert.deepEqual(await shownVerdicts(), ['Невярно']);
    });

    test('by keyboard alone, with the browser\'s focus on what has the form\'s', async () => {
        await clickOn('button', 'Чисти');
        await press('Shift+Tab');
        await press('Shift+Tab');
        await press('Shift+Tab');
        assert.match(await focusedName(), /^radio /);
        // Down the countries to България, then choose it.
        await pressUntil('ArrowDown', async () => await focusedName() === 'radio България');
        await press('Space');
        assert.equal((await named('radio', 'България')).checked, 'true');
        await press('Tab');
        assert.equal(await focusedName(), 'listbox Парламент');
        // The reader follows the list's current entry, not the list.
        const current = () => page.getByRole('listbox').evaluate(list => list.getRootNode()
            .getElementById(list.getAttribute('aria-activedescendant'))?.textContent);
        await pressUntil('ArrowDown', async () => await current() === 'Народно събрание');
        assert.equal((await named('option', 'Народно събрание')).selected, true);
        await press('Tab');
        assert.equal(await focusedName(), 'button Сравни');
        const heard = await page.evaluate(() => window.heard.length);
        await press('Space');
        assert.deepEqual(await heardSince(heard), ['България : Народно събрание е Вярно']);
        assert.deepEqual(await shownVerdicts(), ['Вярно']);
        assert.equal(await focusedName(), 'button Сравни');
    });

    test('Tab past the last control leaves the quiz for the page; Shift+Tab comes back', async () => {
        const inQuiz = () => page.evaluate(() => document.activeElement?.id === 'qt-shadow-container');
        await press('Tab');
        assert.equal(await focusedName(), 'button Чисти');
        await press('Tab');
        assert.equal(await inQuiz(), false);
        await press('Shift+Tab');
        assert.equal(await inQuiz(), true);
        assert.equal(await focusedName(), 'button Чисти');
    });

    test('Чисти brings back every country and entry, and keeps the log', async () => {
        const log = await logText();
        const heard = await page.evaluate(() => window.heard.length);
        await clickOn('button', 'Чисти');
        const tree = await accessibilityTree();
        assert.deepEqual(tree.filter(n => n.role === 'radio').filter(n => n.disabled), []);
        assert.deepEqual(tree.filter(n => n.role === 'option').map(n => n.name), parliaments);
        assert.deepEqual(await shownVerdicts(), ['Вярно', 'Невярно']);
        assert.equal(await logText(), log);
        assert.equal(await page.evaluate(() => window.heard.length), heard);
    });

    test('a screen reader\'s own click chooses and compares', async () => {
        const mirrored = (role, name) => page.getByRole(role, { name, exact: true });
        await mirrored('radio', 'Япония').dispatchEvent('click');
        await settled();
        await mirrored('option', 'Диета').dispatchEvent('click');
        await settled();
        const heard = await page.evaluate(() => window.heard.length);
        await mirrored('button', 'Сравни').dispatchEvent('click');
        assert.deepEqual(await heardSince(heard), ['Япония : Диета е Вярно']);
    });
});

describe('with no connection', () => {
    test('the quiz starts again from what the first visit kept', async () => {
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForFunction(async () => (await caches.keys()).length === 1);
        await context.setOffline(true);
        try {
            await openQuiz();
            assert.equal(await focusedName(), 'textbox Задание и дневник на отговорите');
            await clickOn('radio', 'Русия');
            await clickOn('option', 'Бундестаг');
            const heard = await page.evaluate(() => window.heard.length);
            await clickOn('button', 'Сравни');
            assert.deepEqual(await heardSince(heard), ['Русия : Бундестаг е Невярно']);
        } finally {
            await context.setOffline(false);
        }
    });
});
