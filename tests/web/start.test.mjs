// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's first instant in Chromium: the form the build wrote into the
// page is the one the program makes, which it takes over; what the learner
// does before the program has started counts; a page opened with a
// teacher's set never shows the built-in form. The program's start is held
// back by delaying its WebAssembly.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { launchChromium, newPage, quizStarted, url } from './page.mjs';

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => browser?.close());

// A page whose program starts only when `release` is called; `prepare` may
// set it up before it is opened at `address` after the site's.
async function heldBack(prepare = async () => {}, address = '') {
    const page = await newPage(browser, { width: 1280, height: 800 });
    await prepare(page);
    let release;
    const released = new Promise(resolve => { release = resolve; });
    await page.route('**/parliament-quiz.wasm', async route => {
        await released;
        await route.continue();
    });
    page.release = release;
    await page.goto(url + address);
    return page;
}

// Each element of the form, in order: its name, attributes, and texts, a
// text area's being its value (runs in the page).
function shapeOf(form) {
    const shape = element => [
        element.localName,
        [...element.attributes].map(attribute => `${attribute.name}=${attribute.value}`).sort(),
        element.localName === 'textarea' ? [element.value]
            : [...element.childNodes].map(node => node.nodeType === Node.ELEMENT_NODE ? shape(node)
                                                : node.nodeType === Node.TEXT_NODE ? node.data : '')];
    return shape(form);
}

test('the form the build wrote is the one the program makes, and the program takes it over', async () => {
    const written = await (await fetch(url)).text();
    const page = await heldBack();
    // Every element the page came with, marked before the program runs.
    const before = await page.evaluate(() => {
        for (const element of document.querySelectorAll('#form *'))
            element.cameWithPage = true;
        return document.querySelectorAll('#form *').length;
    });
    assert.ok(before > 40, `the page holds the form (${before} elements)`);
    page.release();
    await page.waitForFunction(quizStarted);
    const [built, running, taken] = await page.evaluate(([html, shape]) => {
        const shapeOf = new Function(`return ${shape}`)();
        const form = document.getElementById('form');
        return [shapeOf(new DOMParser().parseFromString(html, 'text/html').getElementById('form')),
                shapeOf(form), [...form.querySelectorAll('*')].every(element => element.cameWithPage)];
    }, [written, shapeOf.toString()]);
    assert.deepEqual(running, built);
    assert.ok(taken, 'no element of the form was made anew');
    await page.context().close();

    // The program making its form anew, on a page that lost the written one.
    const fresh = await newPage(browser, { width: 1280, height: 800 });
    await fresh.addInitScript(() => document.addEventListener(
        'DOMContentLoaded', () => document.getElementById('form').replaceChildren()));
    await fresh.goto(url);
    await fresh.waitForFunction(quizStarted);
    const made = await fresh.evaluate(shape => new Function(`return ${shape}`)()(document.getElementById('form')),
                                      shapeOf.toString());
    assert.deepEqual(made, built);
    await fresh.context().close();
});

test('what the learner does before the program has started counts, in order', async () => {
    const page = await heldBack();
    const form = page.locator('#form');
    // The form is there to use from the first frame.
    await page.getByRole('radio', { name: 'Норвегия', exact: true }).click();
    await page.getByRole('option', { name: 'Стартинг', exact: true }).click();
    await page.getByRole('button', { name: 'Сравни', exact: true }).click();
    await page.getByRole('radio', { name: 'Полша', exact: true }).click();
    await page.getByRole('option', { name: 'Кносет', exact: true }).click();
    await page.getByRole('button', { name: 'Сравни', exact: true }).click();
    // A country whose compare has not been judged yet: the program disables
    // it first, and this choice of it cannot have happened.
    await page.getByRole('radio', { name: 'Норвегия', exact: true }).click();
    assert.equal(await page.evaluate(quizStarted), false, 'the program was held back');
    page.release();
    await page.waitForFunction(quizStarted);
    const log = await page.getByRole('textbox').inputValue();
    assert.ok(log.endsWith('Норвегия : Стартинг е Вярно\nПолша : Кносет е Невярно\n'), log.slice(-80));
    assert.deepEqual(await form.locator('input[type=radio]:disabled + span').allTextContents(), ['Норвегия', 'Полша']);
    assert.deepEqual(await page.evaluate(() => [document.getElementById('right-verdict').hidden,
                                                document.getElementById('wrong-verdict').hidden]),
                     [true, false]);
    assert.deepEqual(await form.locator('input[type=radio]:checked + span').allTextContents(), ['Полша']);
    await page.context().close();
});

test("a page opened with a teacher's set never shows the built-in form", async () => {
    // As the parser puts the form in the page, before anything can be drawn:
    // whether the page is marked as opening another set.
    const page = await heldBack(async page => page.addInitScript(() => {
        new MutationObserver((changes, observer) => {
            if (document.getElementById('form')) {
                window.marked = document.documentElement.classList.contains('opening-set');
                observer.disconnect();
            }
        }).observe(document, { childList: true, subtree: true });
    }), '?set=' + encodeURIComponent('Столици на Европа.csv'));
    const visibility = () => page.locator('#form').evaluate(form => getComputedStyle(form).visibility);
    assert.equal(await page.evaluate(() => window.marked), true);
    assert.equal(await visibility(), 'hidden');
    page.release();
    await page.getByRole('radio', { name: 'София', exact: true }).waitFor();
    assert.equal(await page.getByRole('radio', { name: 'Норвегия', exact: true }).count(), 0);
    assert.equal(await visibility(), 'visible');
    await page.context().close();
});
