// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the quiz's program, which makes the form in #form; plain words
// instead when the browser cannot run it or it cannot be loaded.
'use strict';

(() => {
    const tell = text => {
        if (document.readyState === 'loading') {
            document.addEventListener('DOMContentLoaded', () => tell(text));
            return;
        }
        document.getElementById('form').hidden = true;
        const problem = document.getElementById('problem');
        problem.textContent = text;
        problem.hidden = false;
    };

    if (typeof WebAssembly !== 'object') {
        tell('Този браузър не може да изпълни теста: нужна е поддръжка на WebAssembly. '
             + 'Отворете страницата в по-нов браузър.');
        return;
    }

    const failed = () => tell('Тестът не можа да се зареди. Проверете връзката с интернет '
                              + 'и заредете страницата отново.');
    window.Module = {
        onAbort: failed,
        // Once the form is made and the page idle, the worker keeps the quiz
        // for visits with no connection; not before, so as not to compete
        // with the first load and paint.
        postRun: () => (window.requestIdleCallback ?? setTimeout)(() => {
            if ('serviceWorker' in navigator)
                navigator.serviceWorker.register('service-worker.js').catch(() => {});
        }),
    };
    // The program makes the form in #form: not before the page holds it.
    const start = () => {
        const program = document.createElement('script');
        program.src = 'parliament-quiz.js';
        program.onerror = failed;
        document.body.append(program);
    };
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', start);
    else
        start();
})();
