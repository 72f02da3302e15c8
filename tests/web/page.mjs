// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the served site, Debian's Chromium, and the
// form read back from the page as a learner sees it.

import assert from 'node:assert/strict';

import { chromium } from 'playwright-core';

export const url = process.env.QUIZ_URL;
if (!url)
    throw new Error('QUIZ_URL must name the served site (scripts/run-web-tests)');

export const countries = ['Норвегия', 'Монголия', 'Полша', 'Израел', 'Турция', 'Япония', 'САЩ',
                          'Русия', 'Германия', 'Сърбия', 'България', 'Испания'];
export const parliaments = ['Бундестаг', 'Велик Хурал', 'Диета', 'Държавна дума', 'Кносет',
                            'Конгрес', 'Кортеси', 'Меджлис', 'Народно събрание', 'Сейм',
                            'Скупщина', 'Стартинг'];

// Root cannot use Chromium's sandbox; any other user keeps it.
export function launchChromium() {
    const args = ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
                  '--disable-sync', '--no-first-run'];
    if (process.getuid?.() === 0)
        args.push('--no-sandbox');
    return chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args });
}

// A page in a context of its own, which fails the test if it throws.
export async function newPage(browser, viewport = { width: 800, height: 600 }) {
    const context = await browser.newContext({ viewport });
    const page = await context.newPage();
    page.on('pageerror', error => assert.fail(`the page threw: ${error.message}`));
    return page;
}

// Once the program has taken the form over: the page shows it before then
// (runs in the page).
export function quizStarted() {
    return window.Module?.calledRun === true;
}

// Everything the form shows, read from the page's own elements (runs in the page).
export function formState() {
    const form = document.getElementById('form');
    const [list] = form.querySelectorAll('select:not([hidden])');
    const radios = [...form.querySelectorAll('input[type=radio]')];
    const labels = [...form.querySelectorAll('.label')];
    const shown = text => labels.some(label => label.textContent === text && !label.hidden);
    return {
        entries: [...list.options].map(option => option.textContent),
        selection: list.selectedIndex,
        enabled: radios.map(radio => !radio.disabled),
        checked: radios.map(radio => radio.checked),
        rightVisible: shown('Вярно'),
        wrongVisible: shown('Невярно'),
        verdictColours: labels.filter(label => /^(Не)?[Вв]ярно$/.test(label.textContent))
                            .map(label => getComputedStyle(label).backgroundColor),
        log: form.querySelector('textarea:not([hidden])').value,
    };
}
