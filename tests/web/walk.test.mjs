// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A random walk through the page in Chromium: clicks, taps of the keyboard
// and a screen reader's focus moves, with what the form shows after each.
// The desktop's independent model of the quiz then replays the walk and
// must agree at every step (tests/check_web_walk.cpp, QUIZ_WALK_CHECKER).
// QUIZ_WALK_ACTIONS sets how many actions, QUIZ_WALK_SEED where they start.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { test } from 'node:test';

import { formState, launchChromium, quizStarted, url } from './page.mjs';

const actions = Number(process.env.QUIZ_WALK_ACTIONS ?? 3000);
// The same walk on every run unless told otherwise, as the desktop's is.
const seed = Number(process.env.QUIZ_WALK_SEED ?? 20261209);
const checker = process.env.QUIZ_WALK_CHECKER;
const keys = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Home', 'End', 'Space', 'Enter'];

// The same walk for the same seed (mulberry32).
function generator(start) {
    let state = start >>> 0;
    return n => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return Math.floor((((t ^ (t >>> 14)) >>> 0) / 4294967296) * n);
    };
}

// Which control has the page's focus, in the checker's words (runs in the page).
function focusedControl() {
    const focused = document.activeElement;
    const radios = [...document.querySelectorAll('#form input[type=radio]')];
    if (radios.includes(focused))
        return `country ${radios.indexOf(focused)}`;
    if (focused?.tagName === 'SELECT')
        return 'list';
    if (focused?.tagName === 'BUTTON')
        return focused.textContent === 'Сравни' ? 'compare' : 'clear';
    if (focused?.tagName === 'TEXTAREA')
        return focused.disabled ? 'disabled' : 'log';
    return focused?.disabled ? 'disabled' : 'page';
}

// The five capitals the checker's model knows too (QuizModel::fiveCapitals).
const fiveCapitals = 'Столица;Държава\r\nСофия;България\r\nАтина;Гърция\r\nРим;Италия\r\n'
                   + 'Париж;Франция\r\nВиена;Австрия\r\n';

test(`${actions} random actions agree with the model (seed ${seed})`, () => walkThrough(actions));
test(`${Math.ceil(actions / 5)} random actions on a teacher's set of five agree (seed ${seed})`,
     () => walkThrough(Math.ceil(actions / 5), 'five capitals'));

async function walkThrough(actions, set) {
    assert.ok(checker, 'QUIZ_WALK_CHECKER must name the model\'s checker');
    assert.ok(actions > 0, 'QUIZ_WALK_ACTIONS must be a positive number');
    const browser = await launchChromium();
    try {
        const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
        page.on('pageerror', error => assert.fail(`the page threw: ${error.message}`));
        await page.goto(url);
        await page.waitForFunction(quizStarted);
        if (set) {
            const reloaded = page.waitForEvent('load');
            await page.getByLabel('Свой набор от двойки (CSV):').setInputFiles(
                { name: 'Столици.csv', mimeType: 'text/csv', buffer: Buffer.from(fiveCapitals) });
            await reloaded;
            await page.getByRole('radio', { name: 'Виена', exact: true }).waitFor();
        }
        const below = generator(seed);
        const radios = await page.locator('#form input[type=radio]').all();
        const countryLabels = await page.locator('#form .country').all();
        const options = await page.locator('#form select:visible option').all();
        const compare = page.getByRole('button', { name: 'Сравни' });
        const clear = page.getByRole('button', { name: 'Чисти' });
        const log = page.getByRole('textbox', { name: 'Задание и дневник на отговорите' });

        let shown = await page.evaluate(formState);
        const walk = { set, startLog: shown.log, steps: [] };
        let logShown = shown.log;
        for (let step = 0; step < actions; ++step) {
            const roll = below(100);
            const focusBefore = await page.evaluate(focusedControl);
            let action;
            if (roll < 20) {
                const country = below(radios.length);
                if (await radios[country].isEnabled()) {
                    await countryLabels[country].click();
                    action = { kind: 'country', index: country };
                } else {
                    // A screen reader's own focus move, then Space, on an enabled one.
                    const enabled = shown.enabled.flatMap((on, i) => on ? [i] : []);
                    if (!enabled.length)
                        continue;
                    const chosen = enabled[below(enabled.length)];
                    await radios[chosen].focus();
                    await page.keyboard.press('Space');
                    action = { kind: 'country', index: chosen };
                }
            } else if (roll < 42) {
                const position = below(options.length);
                await options[position].click();
                action = { kind: 'parliament', index: position };
            } else if (roll < 62) {
                await compare.click();
                action = { kind: 'compare' };
            } else if (roll < 67) {
                await clear.click();
                action = { kind: 'clear' };
            } else if (roll < 77) {
                const backwards = below(3) === 0;
                await page.keyboard.press(backwards ? 'Shift+Tab' : 'Tab');
                action = { kind: backwards ? 'Shift+Tab' : 'Tab' };
            } else if (roll < 97) {
                const key = keys[below(keys.length)];
                await page.keyboard.press(key);
                action = { kind: 'key', key };
            } else {
                // Typing into the read-only log changes nothing.
                await log.focus();
                await page.keyboard.type('Вярно\n');
                action = { kind: 'type' };
            }
            shown = await page.evaluate(formState);
            // The log only as what it gained, so the record stays small.
            const { log: now, ...rest } = shown;
            const logged = now.startsWith(logShown) ? { logAdded: now.slice(logShown.length) }
                                                    : { log: now };
            logShown = now;
            walk.steps.push({ action, focusBefore, focusAfter: await page.evaluate(focusedControl),
                              ...rest, ...logged });
        }
        const record = new URL('walk.json', import.meta.url).pathname;
        writeFileSync(record, JSON.stringify(walk));
        try {
            execFileSync(checker, [record], { encoding: 'utf8', stdio: 'pipe' });
        } catch (failure) {
            assert.fail(`the page and the model disagree (seed ${seed}):\n${failure.stdout}${failure.stderr}`);
        }
    } finally {
        await browser.close();
    }
}
