// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reports the quiz to the learning platform that opened the page (SCORM 1.2),
// for its gradebook: each pair compared, and each round's share of right
// pairs, the best round counting. A round runs from the start, or from
// "Чисти", until every country has been compared. It follows the rounds from
// outside the program, by what the form shows, and never changes the form.
// Outside a platform it does nothing at all. Only the package for learning
// platforms carries it.
'use strict';

(() => {
    // SCORM 1.2's own walk: the window itself and those that hold it, a few
    // steps at most; then the window that opened it and those that hold that.
    const apiAround = start => {
        let view = start;
        try {
            for (let steps = 0; view && steps < 8; ++steps) {
                if (view.API)
                    return view.API;
                if (view.parent === view)
                    break;
                view = view.parent;
            }
        } catch {
            // A window of another site's, which cannot be read.
        }
        return null;
    };
    const api = apiAround(window) ?? apiAround(window.opener);
    if (!api)
        return;

    // A platform that refuses, throws or cannot be reached never stops the
    // quiz: the learner plays on, and the console says why, once.
    let complained = false;
    const complain = text => {
        if (!complained)
            console.error('Тестът не можа да съобщи резултата на платформата: ' + text);
        complained = true;
    };
    // The answer, or null if the platform would not give it.
    const ask = (quiet, name, ...args) => {
        try {
            const answer = api[name](...args);
            const code = String(api.LMSGetLastError());
            if ((code === '0' || code === '') && answer !== false && answer !== 'false')
                return String(answer);
            if (!quiet)
                complain(`${name}(${args.join(', ')}): грешка ${code}`);
        } catch (error) {
            if (!quiet)
                complain(`${name}(${args.join(', ')}): ${error}`);
        }
        return null;
    };
    const call = (name, ...args) => ask(false, name, ...args);
    const set = (element, value) => call('LMSSetValue', element, value);

    if (call('LMSInitialize', '') === null)
        return;
    const started = Date.now();
    // A visit never takes back what a platform already holds: a finished
    // status stays, and only a better round raises the score.
    let status = call('LMSGetValue', 'cmi.core.lesson_status');
    let best = Number.parseFloat(call('LMSGetValue', 'cmi.core.score.raw') ?? '');
    const mastery = Number.parseFloat(call('LMSGetValue', 'cmi.student_data.mastery_score') ?? '');
    // Interactions are optional in SCORM 1.2: a platform without them says so.
    const recordsPairs = ask(true, 'LMSGetValue', 'cmi.interactions._children') !== null;
    let interaction = Number.parseInt(ask(true, 'LMSGetValue', 'cmi.interactions._count') ?? '0', 10) || 0;
    const finished = ['completed', 'passed', 'failed'];
    set('cmi.core.score.min', '0');
    set('cmi.core.score.max', '100');
    if (!finished.includes(status)) {
        status = 'incomplete';
        set('cmi.core.lesson_status', status);
    }
    call('LMSCommit', '');

    // The platform is spoken to after the form has answered the learner, so
    // that a slow platform cannot hold the quiz up.
    const queue = [];
    const flush = () => {
        for (const work of queue.splice(0))
            work();
    };
    const later = work => {
        queue.push(work);
        if (queue.length === 1)
            setTimeout(flush, 0);
    };

    const twoDigits = number => String(number).padStart(2, '0');
    const clock = date => [date.getHours(), date.getMinutes(), date.getSeconds()].map(twoDigits).join(':');
    const radios = () => [...document.querySelectorAll('#form input[type=radio]')];
    const judged = new Map(); // a country's number in this round: whether its pair was right
    let beforeCompare = null;

    const pairJudged = (country, caption, parliament, right) => {
        judged.set(country, right);
        const count = radios().length;
        const ends = judged.size === count;
        const rightPairs = [...judged.values()].filter(Boolean).length;
        later(() => {
            if (recordsPairs) {
                const element = `cmi.interactions.${interaction++}.`;
                set(element + 'id', 'country-' + twoDigits(country + 1));
                set(element + 'type', 'matching');
                set(element + 'time', clock(new Date()));
                set(element + 'student_response', (caption + '.' + parliament).slice(0, 255));
                set(element + 'result', right ? 'correct' : 'wrong');
            }
            if (ends)
                roundOver(rightPairs, count);
            call('LMSCommit', '');
        });
    };
    const roundOver = (right, count) => {
        const score = Math.round(right * 10000 / count) / 100;
        const raised = !(score <= best);
        if (raised) {
            best = score;
            set('cmi.core.score.raw', String(score));
        }
        if (raised || !finished.includes(status)) {
            status = Number.isNaN(mastery) ? 'completed' : best >= mastery ? 'passed' : 'failed';
            set('cmi.core.lesson_status', status);
        }
    };

    // Seen before the program answers the press, and after it has.
    window.addEventListener('click', event => {
        if (event.target.closest?.('button')?.id !== 'compare')
            return;
        const list = document.getElementById('parliaments');
        const entry = list?.options[list.selectedIndex];
        beforeCompare = { disabled: radios().map(radio => radio.disabled), parliament: entry?.textContent };
    }, true);
    window.addEventListener('click', event => {
        const id = event.target.closest?.('button')?.id;
        if (id === 'clear') {
            judged.clear();
        } else if (id === 'compare' && beforeCompare) {
            // The country the program has just judged is the one it has just
            // disabled; a press that judged nothing disables none.
            const now = radios();
            const country = now.findIndex((radio, i) => radio.disabled && !beforeCompare.disabled[i]);
            if (country >= 0) {
                const caption = now[country].closest('label')?.textContent ?? '';
                const right = !document.getElementById('right-verdict').hidden;
                pairJudged(country, caption, beforeCompare.parliament ?? '', right);
            }
            beforeCompare = null;
        }
    });

    let left = false;
    window.addEventListener('pagehide', () => {
        if (left)
            return;
        left = true;
        flush();
        const seconds = Math.round((Date.now() - started) / 1000);
        set('cmi.core.session_time', [Math.floor(seconds / 3600), Math.floor(seconds / 60) % 60, seconds % 60]
                                         .map(twoDigits).join(':'));
        call('LMSFinish', '');
    });
})();
