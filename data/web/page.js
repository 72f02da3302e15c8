// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the quiz in its place on the page: the progress of the download,
// then the form; plain words when the browser cannot run it.
'use strict';

(() => {
    const screen = document.getElementById('screen');
    const loading = document.getElementById('loading');
    const progress = document.getElementById('progress');
    const problem = document.getElementById('problem');

    const tell = text => {
        loading.hidden = true;
        screen.hidden = true;
        problem.textContent = text;
        problem.hidden = false;
    };

    if (typeof WebAssembly !== 'object' || typeof qtLoad !== 'function'
        || typeof parliament_quiz_entry !== 'function') {
        tell('Този браузър не може да изпълни теста: нужна е поддръжка на WebAssembly. '
             + 'Отворете страницата в по-нов браузър.');
        return;
    }

    // Once installed, the worker serves the quiz with no connection at all.
    // It fetches every file again to keep it, so not before the quiz shows:
    // on a slow line that would halve what the first visit downloads.
    const keepForOffline = () => {
        if ('serviceWorker' in navigator)
            navigator.serviceWorker.register('service-worker.js').catch(() => {});
    };
    // A visit the worker serves comes from this machine: no progress to show.
    const fromWorker = Boolean(navigator.serviceWorker?.controller);

    // The download's own length is of the compressed bytes; the page knows
    // how many arrive once unpacked.
    const programBytes = Number(screen.dataset.wasmBytes);

    async function showArrival(response) {
        const reader = response.body.getReader();
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            received += value.length;
            progress.value = Math.min(100, (100 * received) / programBytes);
        }
        // Downloaded; what is left is starting, which has no measure.
        progress.removeAttribute('value');
    }

    async function compileProgram() {
        const response = await fetch('parliament-quiz.wasm');
        if (!response.ok)
            throw new Error(`parliament-quiz.wasm: HTTP ${response.status}`);
        // A copy counts the bytes; the original compiles as it streams in and
        // keeps its address, so the browser can keep the compiled code.
        if (!fromWorker)
            showArrival(response.clone()).catch(() => {});
        const program = await WebAssembly.compileStreaming(response);
        performance.mark('quiz-compiled');
        return program;
    }

    const failed = error => {
        console.error(error);
        tell('Тестът не можа да се зареди. Проверете връзката с интернет '
             + 'и заредете страницата отново.');
    };

    screen.classList.add('loading');
    qtLoad({
        qt: {
            module: compileProgram(),
            entryFunction: parliament_quiz_entry,
            containerElements: [screen],
            onLoaded: () => {
                performance.mark('quiz-started');
                loading.hidden = true;
                screen.classList.remove('loading');
                (window.requestIdleCallback ?? setTimeout)(keepForOffline);
            },
            onExit: exit => {
                if (exit.crashed)
                    failed(new Error(exit.text));
            },
        },
    }).catch(failed);
})();
