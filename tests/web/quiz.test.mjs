// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz as a learner meets it in Chromium: the page, rounds by mouse, by
// keyboard, by a screen reader's own moves and by touch on a phone, read
// back by role and name as a screen reader reads them, and a start with no
// connection. QUIZ_URL names the site, served as a school serves it.

import assert from 'node:assert/strict';
import { after, before, beforeEach, describe, test } from 'node:test';

import { countries, formState, launchChromium, newPage, parliaments, quizStarted, url } from './page.mjs';

const title = 'География - страна, парламент';
const logName = 'Задание и дневник на отговорите';

let browser;
let context;
let page;

before(async () => {
    browser = await launchChromium();
});

after(async () => browser?.close());

async function openQuiz(options = {}) {
    await context?.close();
    context = await browser.newContext({ viewport: { width: 800, height: 600 }, ...options });
    page = await context.newPage();
    page.on('pageerror', error => assert.fail(`the page threw: ${error.message}`));
    await page.goto(url);
    await page.waitForFunction(quizStarted);
    // Every announcement the live region gains, in order.
    await page.evaluate(() => {
        window.heard = [];
        new MutationObserver(changes => {
            for (const change of changes)
                for (const node of change.addedNodes)
                    window.heard.push(node.textContent);
        }).observe(document.querySelector('[aria-live=polite]'), { childList: true });
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
        ...Object.fromEntries((node.properties ?? []).map(p => [p.name, p.value.value])),
    }));
}

const radio = name => page.getByRole('radio', { name, exact: true });
const option = name => page.getByRole('option', { name, exact: true });
const button = name => page.getByRole('button', { name, exact: true });
const log = () => page.getByRole('textbox', { name: logName }).inputValue();
const state = () => page.evaluate(formState);
const heardCount = () => page.evaluate(() => window.heard.length);

function line(country, parliament, verdict) {
    return `${country} : ${parliament} е ${verdict}\n`;
}

async function heardSince(count) {
    await page.waitForFunction(n => window.heard.length > n, count, { timeout: 5000 });
    await page.waitForTimeout(200); // a second announcement would come now
    return page.evaluate(n => window.heard.slice(n), count);
}

async function focusedName() {
    const focused = (await accessibilityTree()).filter(n => n.focused && n.role !== 'RootWebArea');
    assert.equal(focused.length, 1, 'one control has the focus');
    return `${focused[0].role} ${focused[0].name}`;
}

// A compare, and the log line it adds, heard once.
async function compareHeard(press) {
    const before = await log();
    const heard = await heardCount();
    await press();
    const added = (await log()).slice(before.length);
    assert.deepEqual(await heardSince(heard), [added.trimEnd()]);
    return added;
}

describe('the page', () => {
    before(() => openQuiz());

    test('is Bulgarian, named as the quiz, and shows the form as designed, scaled to fill a projector or a laptop', async () => {
        assert.equal(await page.getAttribute('html', 'lang'), 'bg');
        assert.equal(await page.title(), title);
        for (const viewport of [{ width: 1920, height: 1080 }, { width: 1280, height: 800 }]) {
            const screen = await newPage(browser, viewport);
            await screen.goto(url);
            const form = await screen.locator('#form').boundingBox();
            const scale = form.height / 406;
            assert.ok(form.height >= 0.9 * viewport.height, `${form.height} of ${viewport.height}`);
            assert.ok(Math.abs(form.width - 461 * scale) <= 1, 'in its proportions');
            assert.ok(Math.abs(form.x + form.width / 2 - viewport.width / 2) <= 1, 'in the middle of the page');
            assert.deepEqual(await screen.evaluate(() => [document.documentElement.scrollWidth,
                                                          document.documentElement.scrollHeight]),
                             [viewport.width, viewport.height], 'nothing to scroll');
            // Places from the form's control table, in its pixels from its corner.
            const placed = async locator => {
                const box = await locator.boundingBox();
                return [box.x - form.x, box.y - form.y, box.width, box.height].map(v => Math.round(v / scale));
            };
            assert.deepEqual(await placed(screen.getByRole('listbox')), [160, 80, 185, 61]);
            assert.deepEqual(await placed(screen.locator('.country').nth(2)), [32, 104, 105, 19]);
            assert.deepEqual(await placed(screen.getByRole('button', { name: 'Чисти' })), [288, 152, 97, 25]);
            assert.deepEqual(await placed(screen.getByRole('textbox', { name: logName })), [8, 288, 449, 105]);
            const colour = await screen.getByRole('button', { name: 'Сравни' })
                                       .evaluate(b => getComputedStyle(b).backgroundColor);
            assert.equal(colour, 'rgb(128, 255, 128)');
            await screen.context().close();
        }
    });

    test('starts with every country and parliament, nothing chosen, the log focused', async () => {
        const tree = await accessibilityTree();
        assert.deepEqual(tree.filter(n => n.role === 'radio').map(n => [n.name, n.checked]),
                         countries.map(country => [country, 'false']));
        assert.equal(tree.filter(n => n.role === 'radiogroup' && n.name === 'Страна').length, 1);
        assert.deepEqual(tree.filter(n => n.role === 'option').map(n => n.name), parliaments);
        assert.equal(tree.filter(n => n.role === 'listbox' && n.name === 'Парламент').length, 1);
        // The form's two commands, then, under the form, the chooser of a teacher's set.
        assert.deepEqual(tree.filter(n => n.role === 'button').map(n => n.name),
                         ['Сравни', 'Чисти', 'Свой набор от двойки (CSV):']);
        assert.match(await log(), /^Да се състави проект/);
        assert.equal(await focusedName(), `textbox ${logName}`);
        const shown = await state();
        assert.equal(shown.selection, -1);
        assert.ok(shown.rightVisible && shown.wrongVisible);
        assert.ok(shown.enabled.every(Boolean));
    });

    test('loads nothing from another site and stores nothing', async () => {
        const origin = new URL(url).origin;
        const loaded = await page.evaluate(() => performance.getEntriesByType('resource')
                                                     .map(entry => entry.name));
        assert.deepEqual(loaded.filter(name => !name.startsWith(origin)), []);
        assert.deepEqual(await context.cookies(), []);
        assert.equal(await page.evaluate(() => localStorage.length + sessionStorage.length), 0);
    });

    test('says in plain Bulgarian, and nothing else, when the browser cannot run the quiz', async () => {
        const shown = async options => {
            const other = await browser.newContext({ serviceWorkers: 'block', ...options });
            const visit = await other.newPage();
            if (options.javaScriptEnabled)
                await visit.addInitScript(() => { delete globalThis.WebAssembly; });
            await visit.goto(url);
            const text = (await visit.locator('body').innerText()).trim();
            await other.close();
            return text;
        };
        assert.match(await shown({ javaScriptEnabled: true }),
                     /^Този браузър не може да изпълни теста[^\n]*$/);
        assert.match(await shown({ javaScriptEnabled: false }),
                     /^Тестът работи само с включен JavaScript[^]*отново\.$/);
    });
});

describe('a round', () => {
    beforeEach(() => openQuiz());

    test('by mouse: a right pair, then a wrong one, each logged and heard once', async () => {
        await radio('Германия').click();
        await option('Бундестаг').click();
        assert.equal(await compareHeard(() => button('Сравни').click()),
                     line('Германия', 'Бундестаг', 'Вярно'));
        let shown = await state();
        assert.deepEqual([shown.rightVisible, shown.wrongVisible], [true, false]);
        assert.equal(shown.entries[0], '  ');
        assert.equal(shown.selection, 0);
        assert.deepEqual(shown.enabled.map((on, i) => on ? null : countries[i]).filter(Boolean),
                         ['Германия']);
        assert.ok(await radio('Германия').isChecked());

        await radio('Монголия').click();
        shown = await state();
        assert.deepEqual([shown.rightVisible, shown.wrongVisible], [true, true]);
        await option('Диета').click();
        assert.equal(await compareHeard(() => button('Сравни').click()),
                     line('Монголия', 'Диета', 'Невярно'));
        shown = await state();
        assert.deepEqual([shown.rightVisible, shown.wrongVisible], [false, true]);
        assert.equal(shown.entries[2], '  ');
        assert.ok(await radio('Монголия').isDisabled());
        assert.equal(await focusedName(), 'button Сравни');
    });

    test('compare with no parliament chosen does nothing', async () => {
        await radio('България').click();
        const before = await state();
        await button('Сравни').click();
        assert.deepEqual(await state(), before);
        assert.equal(await heardCount(), 0);
    });

    test('before any country is chosen, the first one is judged', async () => {
        await option('Стартинг').click();
        assert.equal(await compareHeard(() => button('Сравни').click()),
                     line('Норвегия', 'Стартинг', 'Вярно'));
        assert.ok(await radio('Норвегия').isDisabled());
        // Again, with the entry blanked: four blanks stand between the colon and "е".
        assert.equal(await compareHeard(() => button('Сравни').click()), 'Норвегия :    е Вярно\n');
    });

    test('Чисти brings back every country and entry, keeps the log and the chosen country', async () => {
        await radio('Полша').click();
        await option('Сейм').click();
        await button('Сравни').click();
        await radio('САЩ').click();
        await option('Бундестаг').click();
        await button('Сравни').click();
        const logged = await log();
        const heard = await heardCount();
        await button('Чисти').click();
        const shown = await state();
        assert.deepEqual(shown.entries, parliaments);
        assert.equal(shown.selection, -1);
        assert.ok(shown.enabled.every(Boolean));
        assert.deepEqual([shown.rightVisible, shown.wrongVisible], [true, true]);
        assert.deepEqual(shown.verdictColours, ['rgb(255, 192, 128)', 'rgb(255, 192, 128)']);
        assert.equal(await log(), logged);
        assert.equal(await heardCount(), heard);
        assert.ok(await radio('САЩ').isChecked());
    });

    test('by keyboard alone, from the log', async () => {
        // The log first, as the form's tab order has it; then the countries.
        await page.keyboard.press('Tab');
        assert.equal(await focusedName(), 'radio Норвегия');
        assert.ok(!(await radio('Норвегия').isChecked()));
        // Arrows move through the countries and choose as they go.
        for (let i = 0; i < 10; ++i)
            await page.keyboard.press('ArrowDown');
        assert.equal(await focusedName(), 'radio България');
        assert.ok(await radio('България').isChecked());
        await page.keyboard.press('Tab');
        assert.equal(await focusedName(), 'listbox Парламент');
        for (let i = 0; i < 9; ++i)
            await page.keyboard.press('ArrowDown');
        assert.equal((await state()).selection, 8);
        await page.keyboard.press('Tab');
        assert.equal(await focusedName(), 'button Сравни');
        assert.equal(await compareHeard(() => page.keyboard.press('Space')),
                     line('България', 'Народно събрание', 'Вярно'));
        assert.equal(await focusedName(), 'button Сравни');
        await page.keyboard.press('Tab');
        assert.equal(await focusedName(), 'button Чисти');
        // The used country is out of Tab's and the arrows' way.
        await page.keyboard.press('Shift+Tab');
        await page.keyboard.press('Shift+Tab');
        await page.keyboard.press('Shift+Tab');
        const landed = await focusedName();
        assert.match(landed, /^radio /);
        assert.notEqual(landed, 'radio България');
        for (let i = 0; i < countries.length; ++i) {
            await page.keyboard.press('ArrowDown');
            assert.notEqual(await focusedName(), 'radio България');
        }
    });

    test('a screen reader moves the focus to a country and presses Space: that one is chosen', async () => {
        await radio('Германия').click();
        // As a reader does through the accessibility interface: the page's own focus.
        const cdp = await context.newCDPSession(page);
        const { root } = await cdp.send('DOM.getDocument', { depth: -1, pierce: true });
        const { nodeIds } = await cdp.send('DOM.querySelectorAll',
                                           { nodeId: root.nodeId, selector: 'input[type=radio]' });
        await cdp.send('DOM.focus', { nodeId: nodeIds[2] });
        await cdp.detach();
        assert.equal(await focusedName(), 'radio Полша');
        await page.keyboard.press('Space');
        assert.ok(await radio('Полша').isChecked());
        await option('Сейм').click();
        assert.equal(await compareHeard(() => button('Сравни').click()),
                     line('Полша', 'Сейм', 'Вярно'));
        // And a reader's own click on a list entry and a button (its default action).
        await option('Диета').dispatchEvent('click');
        await page.getByRole('listbox').evaluate(list => {
            list.selectedIndex = 2;
            list.dispatchEvent(new Event('change', { bubbles: true }));
        });
        await radio('Япония').evaluate(input => input.click());
        assert.equal(await compareHeard(() => button('Сравни').evaluate(b => b.click())),
                     line('Япония', 'Диета', 'Вярно'));
    });
});

describe('on a phone', () => {
    for (const width of [360, 320]) {
        test(`${width} CSS px wide: one column, nothing off the side, every target tappable`, async () => {
            await openQuiz({ viewport: { width, height: 740 }, hasTouch: true, isMobile: true });
            const overflow = await page.evaluate(() => document.documentElement.scrollWidth
                                                       - document.documentElement.clientWidth);
            assert.equal(overflow, 0);
            const targets = await page.locator('.country, select:visible, button, textarea:visible').all();
            for (const target of targets) {
                const box = await target.boundingBox();
                assert.ok(box.width >= 24 && box.height >= 24, `${await target.innerText()} is tappable`);
                assert.ok(box.x >= 0 && box.x + box.width <= width);
            }
            // The form's order, top to bottom: the task, countries, parliaments, commands.
            const top = async locator => (await locator.boundingBox()).y;
            assert.ok(await top(page.getByRole('textbox', { name: logName })) < await top(radio('Норвегия')));
            assert.ok(await top(radio('Испания')) < await top(page.getByRole('listbox')));
            assert.ok(await top(page.getByRole('listbox')) < await top(button('Сравни')));
            assert.ok(await top(button('Сравни')) < await top(button('Чисти')));
        });
    }

    test('a round by touch, with the list scrolled by a swipe', async () => {
        await openQuiz({ viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true });
        const tap = async locator => {
            await locator.scrollIntoViewIfNeeded();
            const box = await locator.boundingBox();
            await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
        };
        await tap(page.locator('.country').nth(9));
        assert.ok(await radio('Сърбия').isChecked());
        // A swipe up inside the list scrolls it and chooses nothing.
        const list = page.getByRole('listbox');
        await list.scrollIntoViewIfNeeded();
        const box = await list.boundingBox();
        const cdp = await context.newCDPSession(page);
        const x = box.x + box.width / 2;
        let y = box.y + box.height - 10;
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
        for (let step = 0; step < 10; ++step) {
            y -= 15;
            await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y }] });
        }
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await cdp.detach();
        assert.ok(await list.evaluate(l => l.scrollTop) > 0, 'the list scrolled');
        assert.equal((await state()).selection, -1);
        await tap(option('Скупщина'));
        assert.equal(await compareHeard(() => tap(button('Сравни'))),
                     line('Сърбия', 'Скупщина', 'Вярно'));
    });

    test('at 400 % zoom the focused log is scrolled into view', async () => {
        await openQuiz({ viewport: { width: 320, height: 256 } });
        await page.keyboard.press('Shift+Tab');
        await page.keyboard.press('Tab');
        const box = await page.getByRole('textbox', { name: logName }).boundingBox();
        assert.ok(box.y < 256 && box.y + box.height > 0, 'some of the log is on screen');
    });
});

describe('with no connection', () => {
    test('the quiz starts again from what the first visit kept', async () => {
        await openQuiz();
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForFunction(async () => (await caches.keys()).length === 1);
        await context.setOffline(true);
        await page.reload();
        await page.waitForFunction(quizStarted);
        await radio('Русия').click();
        await option('Бундестаг').click();
        await button('Сравни').click();
        assert.ok((await log()).endsWith(line('Русия', 'Бундестаг', 'Невярно')));
    });
});
