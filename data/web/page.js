// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the quiz's program with the set the page was opened with: the
// whole set after '#' (a link a teacher shares), a file beside the site
// (?set=NAME.csv), or one chosen or dropped here. Plain words instead when
// the browser cannot run it, it cannot be loaded, or the set cannot be
// opened. A set is only ever text: nothing in it is run, and it goes to no
// server.
//
// The page holds the built-in quiz's form as the program makes it, and
// shows it at once; the program takes it over when it starts. What the
// learner does with it before then is kept, and handed to the program in
// order as it starts, as if it had been there. Run before the page's body,
// so that a page opened with another set never shows the built-in form.
'use strict';

(() => {
    // Each choice and press before the program listens, with what it chose.
    let early = [];
    for (const type of ['change', 'click']) {
        document.addEventListener(type, event => {
            const target = event.target.closest?.('#form [data-' + type + ']');
            if (early && target)
                early.push({ type, target, chosen: target.selectedIndex });
        }, true);
    }
    const replayEarly = () => {
        const done = early;
        early = null;
        let country = null;
        for (const { type, target, chosen } of done) {
            // What the quiz has disabled meanwhile could not have been used.
            if (target.disabled)
                continue;
            if (target.type === 'radio')
                target.checked = true;
            else if (target.localName === 'select')
                target.selectedIndex = chosen;
            country = target.type === 'radio' ? target : country;
            Module._quizNotify(Number(target.getAttribute('data-' + type)));
        }
        // Nor is a country left checked that could not have been.
        if (done.some(({ target }) => target.type === 'radio')) {
            for (const radio of document.querySelectorAll('#form input[type=radio]'))
                radio.checked = radio === country;
        }
    };

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
        postRun: () => {
            replayEarly();
            document.documentElement.classList.remove('opening-set');
            // Once the page is idle, the worker keeps the quiz for visits
            // with no connection; not before, so as not to compete with the
            // first load. Only the site's page is kept so: in a learning
            // platform's package, the platform keeps it.
            (window.requestIdleCallback ?? setTimeout)(() => {
                if ('serviceWorker' in navigator && document.querySelector('link[rel="manifest"]'))
                    navigator.serviceWorker.register('service-worker.js').catch(() => {});
            });
        },
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

    // Another set's form is made anew, hidden until it is: the built-in one
    // is never seen, nor taken over, nor anything done with it. The program
    // starts once the page has shown, so as not to hold up its first frame.
    const afterFirstFrame = then => whenReady(() => requestAnimationFrame(() => setTimeout(then)));
    const start = args => afterFirstFrame(() => {
        if (args) {
            window.Module.arguments = args;
            early = [];
            document.getElementById('form').replaceChildren();
        }
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
    if (fragment.startsWith('set=') || fragment.startsWith('file=') || named !== null)
        document.documentElement.classList.add('opening-set');
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
