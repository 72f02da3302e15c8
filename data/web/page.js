// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the quiz's program, which makes the form in #form, with the set
// the page was opened with: the whole set after '#' (a link a teacher
// shares), a file beside the site (?set=NAME.csv), or one chosen or dropped
// here. Plain words instead when the browser cannot run it, it cannot be
// loaded, or the set cannot be opened. A set is only ever text: nothing in
// it is run, and it goes to no server.
'use strict';

(() => {
    const whenReady = then => {
        if (document.readyState === 'loading')
            document.addEventListener('DOMContentLoaded', then);
        else
            then();
    };
    // The form gives way to the reason, and to the ways on.
    const tell = (text, waysOn = false) => whenReady(() => {
        // With no quiz to open a set in, no chooser either.
        for (const id of ['form', 'sets'])
            document.getElementById(id)?.setAttribute('hidden', '');
        const problem = document.getElementById('problem');
        problem.replaceChildren(text);
        if (waysOn) {
            const builtIn = document.createElement('a');
            builtIn.href = './';
            builtIn.textContent = 'Към вградения тест';
            const maker = document.createElement('a');
            maker.href = 'make.html';
            maker.textContent = 'Направете свой набор';
            problem.append(document.createElement('br'), builtIn, document.createElement('br'), maker);
        }
        problem.hidden = false;
    });

    if (typeof WebAssembly !== 'object') {
        tell('Този браузър не може да изпълни теста: нужна е поддръжка на WebAssembly. '
             + 'Отворете страницата в по-нов браузър.');
        return;
    }

    const failed = () => tell('Тестът не можа да се зареди. Проверете връзката с интернет '
                              + 'и заредете страницата отново.');
    window.Module = {
        onAbort: failed,
        refuseSet: why => tell('Наборът не може да се отвори: ' + why + '.', true),
        // Once the form is made and the page idle, the worker keeps the quiz
        // for visits with no connection; not before, so as not to compete
        // with the first load and paint. Only the site's page is kept so: in
        // a learning platform's package, the platform keeps it.
        postRun: () => (window.requestIdleCallback ?? setTimeout)(() => {
            if ('serviceWorker' in navigator && document.querySelector('link[rel="manifest"]'))
                navigator.serviceWorker.register('service-worker.js').catch(() => {});
        }),
    };

    // A set's file as the program takes it: its bytes in URL-safe base64.
    const largest = 64 * 1024;
    const base64 = bytes => {
        let binary = '';
        for (let i = 0; i < bytes.length; i += 0x8000)
            binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
        return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
    };
    // One byte past the largest set is enough for the program to refuse it.
    const asFile = (name, buffer) =>
        ['file', name, base64(new Uint8Array(buffer, 0, Math.min(buffer.byteLength, largest + 1)))];

    // The program makes the form in #form: not before the page holds it.
    const start = args => whenReady(() => {
        if (args)
            window.Module.arguments = args;
        // A set can be opened only where the quiz runs: shown by the script.
        // A package for learning platforms has none to offer.
        document.getElementById('sets')?.removeAttribute('hidden');
        const program = document.createElement('script');
        program.src = 'parliament-quiz.js';
        program.onerror = failed;
        document.body.append(program);
    });

    // A file chosen or dropped here opens as the page's set, from the start:
    // the '#' it is given starts the page again.
    const open = async file => {
        const name = file.name.replace(/:/g, '_');
        const [kind, , data] = asFile(name, await file.arrayBuffer());
        location.hash = kind + '=' + encodeURIComponent(name) + ':' + data;
    };
    // Another set's link put in the address bar of this page starts it; the
    // link the program writes there itself changes no '#' a browser reports.
    window.addEventListener('hashchange', () => location.reload());
    whenReady(() => {
        const chooser = document.getElementById('set-file');
        if (!chooser)
            return;
        chooser.addEventListener('change', () => chooser.files[0] && open(chooser.files[0]));
        document.addEventListener('dragover', event => {
            if (event.dataTransfer?.types.includes('Files'))
                event.preventDefault();
        });
        document.addEventListener('drop', event => {
            const file = event.dataTransfer?.files[0];
            if (file) {
                event.preventDefault();
                open(file);
            }
        });
    });

    const fragment = location.hash.slice(1);
    const named = new URLSearchParams(location.search).get('set');
    if (fragment.startsWith('set=')) {
        start(['link', fragment]);
    } else if (fragment.startsWith('file=')) {
        const colon = fragment.indexOf(':');
        start(colon < 0 ? ['link', fragment]
                        : ['file', decodeURIComponent(fragment.slice(5, colon)), fragment.slice(colon + 1)]);
    } else if (named !== null) {
        // Only a file that lies beside the site: a plain name, no path, no address.
        if (!/^[^/\\:?#]+\.csv$/i.test(named) || named.startsWith('.')) {
            tell('Наборът „' + named + '“ не може да се отвори: името трябва да е на файл '
                 + 'до теста, например ?set=Столици.csv.', true);
            return;
        }
        fetch(encodeURIComponent(named), { credentials: 'same-origin', redirect: 'error' })
            .then(response => response.ok ? response.arrayBuffer()
                                          : Promise.reject(new Error(String(response.status))))
            .then(buffer => start(asFile(named, buffer)),
                  () => tell('Наборът „' + named + '“ не може да се зареди: няма такъв файл '
                             + 'до теста или връзката прекъсна.', true));
    } else {
        start();
    }
})();
