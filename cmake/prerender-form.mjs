// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the built-in quiz's form into the page, as the page's program makes
// it: the program itself is run here, in jsdom's document, and what it made
// in #form takes the place of @QUIZ_FORM@ in each page given. The program
// takes these elements over when it starts in the browser. Run by
// WebSite.cmake:
//   node prerender-form.mjs PROGRAM.js PROGRAM.wasm JSDOM-FOLDER PAGE.html...
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const [program, wasm, jsdomFolder, ...pages] = process.argv.slice(2);
const { JSDOM } = createRequire(import.meta.url)(jsdomFolder);

const { window } = new JSDOM('<!doctype html><html lang="bg"><body><main id="form" class="form"></main>',
                             { runScripts: 'outside-only', pretendToBeVisual: true });
window.TextDecoder = TextDecoder;
await new Promise((resolve, reject) => {
    window.Module = { wasmBinary: readFileSync(wasm), postRun: resolve, onAbort: reject };
    window.eval(readFileSync(program, 'utf8'));
});
const form = window.document.getElementById('form');
// A text area's text is its value as the page starts.
for (const box of form.querySelectorAll('textarea'))
    box.textContent = box.value;
if (!form.querySelector('select option'))
    throw new Error('the program made no form');
for (const page of pages) {
    const text = readFileSync(page, 'utf8');
    if (!text.includes('@QUIZ_FORM@'))
        throw new Error(`${page} has no place for the form`);
    writeFileSync(page, text.replace('@QUIZ_FORM@', () => form.innerHTML));
}
