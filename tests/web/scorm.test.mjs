// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The package for learning platforms in a stand-in for one: scorm-again's
// SCORM 1.2 runtime as the parent page's API, and the package's page in an
// iframe, as Moodle's player frames it, served from the package's own bytes.
// Every call the page makes is recorded. QUIZ_SCORM_PACKAGE names the package
// beside the site.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, describe, test } from 'node:test';

import { strFromU8, unzipSync } from 'fflate';

import { countries, launchChromium, newPage, url } from './page.mjs';

const packageName = process.env.QUIZ_SCORM_PACKAGE;
const runtime = readFileSync(new URL('node_modules/scorm-again/dist/scorm12.js', import.meta.url), 'utf8');
const lms = new URL('lms/', url).href;
const right = {
    'Норвегия': 'Стартинг', 'Монголия': 'Велик Хурал', 'Полша': 'Сейм', 'Израел': 'Кносет',
    'Турция': 'Меджлис', 'Япония': 'Диета', 'САЩ': 'Конгрес', 'Русия': 'Държавна дума',
    'Германия': 'Бундестаг', 'Сърбия': 'Скупщина', 'България': 'Народно събрание', 'Испания': 'Кортеси',
};

let browser;
let files;

before(async () => {
    browser = await launchChromium();
    const response = await fetch(new URL(packageName, url));
    assert.ok(response.ok, `the site holds ${packageName}`);
    files = unzipSync(new Uint8Array(await response.arrayBuffer()));
});

after(async () => browser?.close());

// The platform's side, run in the parent page: the API, recording each call.
// `failing` makes it answer errors, or throw, once the learner has started.
function platform({ mastery, failing }) {
    const api = new Scorm12API({ logLevel: 5 });
    if (mastery)
        api.loadFromJSON({ student_data: { mastery_score: String(mastery) } });
    window.calls = [];
    for (const name of ['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish']) {
        const real = api[name].bind(api);
        api[name] = (...args) => {
            window.calls.push([name, ...args]);
            if (failing && name !== 'LMSInitialize' && name !== 'LMSGetValue') {
                if (failing === 'throws')
                    throw new Error('the platform is down');
                return 'false';
            }
            return real(...args);
        };
    }
    if (failing === 'errors')
        api.LMSGetLastError = () => '101';
    window.API = api;
}

const types = { html: 'text/html', js: 'text/javascript', css: 'text/css', wasm: 'application/wasm',
                svg: 'image/svg+xml', png: 'image/png', woff2: 'font/woff2', txt: 'text/plain',
                csv: 'text/csv', xml: 'application/xml' };

// A page with the stand-in platform around the package in `packed`.
async function openInPlatform(options = {}, packed = files, launch = 'index.html') {
    const page = await newPage(browser, { width: 1000, height: 800 });
    page.errors = [];
    page.on('console', message => message.type() === 'error' && page.errors.push(message.text()));
    await page.route(lms + '**', route => {
        const path = decodeURIComponent(new URL(route.request().url()).pathname.slice('/lms/'.length));
        if (path === '')
            return route.fulfill({ contentType: 'text/html', body: `<!doctype html><meta charset="utf-8">
<title>Платформа</title><script src="scorm12.js"></script><script src="platform.js"></script>
<iframe src="content/${launch}" title="Тест" width="980" height="780"></iframe>` });
        if (path === 'scorm12.js')
            return route.fulfill({ contentType: types.js, body: runtime });
        if (path === 'platform.js')
            return route.fulfill({ contentType: types.js, body: `(${platform})(${JSON.stringify(options)})` });
        const name = path.replace(/^content\//, '');
        if (!path.startsWith('content/') || !packed[name])
            return route.fulfill({ status: 404 });
        return route.fulfill({ contentType: types[name.split('.').pop()], body: Buffer.from(packed[name]) });
    });
    await page.goto(lms);
    page.quiz = page.frameLocator('iframe');
    await page.quiz.getByRole('button', { name: 'Сравни', exact: true }).waitFor();
    return page;
}

// A round: each country in order with `pick(country)`.
async function playRound(page, pick) {
    for (const country of countries) {
        await page.quiz.getByRole('radio', { name: country, exact: true }).click();
        await page.quiz.getByRole('option', { name: pick(country), exact: true }).click();
        await page.quiz.getByRole('button', { name: 'Сравни', exact: true }).click();
    }
}
const clear = page => page.quiz.getByRole('button', { name: 'Чисти', exact: true }).click();
// Serbia and Spain swapped: 10 right, 2 wrong.
const tenRight = country => ({ 'Сърбия': 'Кортеси', 'Испания': 'Скупщина' })[country] ?? right[country];
const sixRight = (country, i = countries.indexOf(country)) => right[countries[i < 6 ? i : 17 - i]];

// The calls once the page has said what it has to.
async function callsSettled(page) {
    let count = -1;
    for (;;) {
        await page.waitForTimeout(100);
        const calls = await page.evaluate(() => window.calls);
        if (calls.length === count)
            return calls;
        count = calls.length;
    }
}
const valuesOf = (calls, element) =>
    calls.filter(([name, key]) => name === 'LMSSetValue' && key === element).map(call => call[2]);

describe('the package for learning platforms', () => {
    test('is SCORM 1.2 content packaging: one item, one SCO, its files listed and there', async () => {
        const page = await newPage(browser);
        const manifest = await page.evaluate(xml => {
            const document = new DOMParser().parseFromString(xml, 'application/xml');
            const all = name => [...document.getElementsByTagName(name)];
            const resource = all('resource')[0];
            return {
                error: all('parsererror').length,
                root: `${document.documentElement.namespaceURI} ${document.documentElement.localName}`,
                schema: all('schema').map(node => node.textContent),
                version: all('schemaversion').map(node => node.textContent),
                organizations: all('organization').length,
                defaultIsIt: all('organizations')[0].getAttribute('default') === all('organization')[0].getAttribute('identifier'),
                items: all('item').map(item => item.getAttribute('identifierref')),
                resources: all('resource').map(node => [node.getAttribute('identifier'), node.getAttribute('adlcp:scormtype'),
                                                        node.getAttribute('href')]),
                scormType: resource.getAttributeNS('http://www.adlnet.org/xsd/adlcp_rootv1p2', 'scormtype'),
                files: all('file').map(node => decodeURI(node.getAttribute('href'))),
                title: all('title')[0].textContent,
            };
        }, strFromU8(files['imsmanifest.xml']));
        assert.equal(manifest.error, 0);
        assert.equal(manifest.root, 'http://www.imsproject.org/xsd/imscp_rootv1p1p2 manifest');
        assert.deepEqual([manifest.schema, manifest.version], [['ADL SCORM'], ['1.2']]);
        assert.equal(manifest.organizations, 1);
        assert.ok(manifest.defaultIsIt);
        assert.deepEqual(manifest.items, ['page']);
        assert.deepEqual(manifest.resources, [['page', 'sco', 'index.html']]);
        assert.equal(manifest.scormType, 'sco');
        assert.equal(manifest.title, 'География - страна, парламент');
        assert.deepEqual(manifest.files, Object.keys(files).filter(name => name !== 'imsmanifest.xml').sort());
        for (const name of ['index.html', 'scorm.js', 'parliament-quiz.wasm'])
            assert.ok(manifest.files.includes(name), name);
        // Only the package reports; a first visit to the site loads nothing of it.
        const site = await (await fetch(url)).text();
        const worker = await (await fetch(new URL('service-worker.js', url))).text();
        assert.match(strFromU8(files['index.html']), /<script src="scorm.js"/);
        assert.doesNotMatch(site, /scorm/);
        assert.doesNotMatch(worker, /scorm12|scorm\.js/);
        await page.context().close();
    });

    test('reports a round of 10 right pairs of 12 as 83.33, each pair as an interaction, and finishes once on leaving', async () => {
        const page = await openInPlatform();
        await playRound(page, tenRight);
        let calls = await callsSettled(page);
        assert.deepEqual(calls.slice(0, 1), [['LMSInitialize', '']]);
        assert.deepEqual(valuesOf(calls, 'cmi.core.score.min'), ['0']);
        assert.deepEqual(valuesOf(calls, 'cmi.core.score.max'), ['100']);
        assert.deepEqual(valuesOf(calls, 'cmi.core.score.raw'), ['83.33']);
        assert.deepEqual(valuesOf(calls, 'cmi.core.lesson_status'), ['incomplete', 'completed']);
        // A commit at the start and after every pair, the last after the score.
        assert.equal(calls.filter(([name]) => name === 'LMSCommit').length, 13);
        assert.equal(calls.at(-1)[0], 'LMSCommit');
        const responses = countries.map((country, i) => valuesOf(calls, `cmi.interactions.${i}.student_response`));
        assert.deepEqual(responses, countries.map(country => [`${country}.${tenRight(country)}`]));
        assert.deepEqual(countries.map((country, i) => valuesOf(calls, `cmi.interactions.${i}.result`)[0]),
                         countries.map(country => tenRight(country) === right[country] ? 'correct' : 'wrong'));
        assert.deepEqual(valuesOf(calls, 'cmi.interactions.9.id'), ['country-10']);
        assert.deepEqual(valuesOf(calls, 'cmi.interactions.0.type'), ['matching']);
        // The platform's own record agrees.
        assert.deepEqual(await page.evaluate(() => [API.cmi.core.score.raw, API.cmi.core.lesson_status]),
                         ['83.33', 'completed']);

        // A better round raises the score; a worse one leaves it.
        await clear(page);
        await playRound(page, country => right[country]);
        await clear(page);
        await playRound(page, sixRight);
        calls = await callsSettled(page);
        assert.deepEqual(valuesOf(calls, 'cmi.core.score.raw'), ['83.33', '100']);
        assert.equal(valuesOf(calls, 'cmi.interactions.35.result').length, 1);
        assert.equal(calls.filter(([name]) => name === 'LMSFinish').length, 0);

        await page.evaluate(() => document.querySelector('iframe').remove());
        calls = await callsSettled(page);
        assert.deepEqual(calls.filter(([name]) => name === 'LMSFinish'), [['LMSFinish', '']]);
        assert.match(valuesOf(calls, 'cmi.core.session_time')[0], /^\d\d:\d\d:\d\d$/);
        assert.deepEqual(page.errors, []);
        await page.context().close();
    });

    test('against a mastery score of 90: 83.33 fails, a later round of 12 passes, a worse one takes nothing back', async () => {
        const page = await openInPlatform({ mastery: 90 });
        await playRound(page, tenRight);
        assert.deepEqual(valuesOf(await callsSettled(page), 'cmi.core.lesson_status'), ['incomplete', 'failed']);
        await clear(page);
        await playRound(page, country => right[country]);
        await clear(page);
        await playRound(page, tenRight);
        const calls = await callsSettled(page);
        assert.deepEqual(valuesOf(calls, 'cmi.core.lesson_status'), ['incomplete', 'failed', 'passed']);
        assert.deepEqual(await page.evaluate(() => [API.cmi.core.score.raw, API.cmi.core.lesson_status]),
                         ['100', 'passed']);
        await page.context().close();
    });

    for (const failing of ['errors', 'throws']) {
        test(`a platform that ${failing === 'errors' ? 'answers errors' : 'throws'}: the quiz plays on, the console says so once`, async () => {
            const page = await openInPlatform({ failing });
            await playRound(page, tenRight);
            await callsSettled(page);
            const log = await page.quiz.getByRole('textbox').inputValue();
            assert.match(log, /Испания : Скупщина е Невярно\n$/);
            assert.equal(page.errors.length, 1);
            assert.match(page.errors[0], /платформата/);
            await page.context().close();
        });
    }

    test("the maker's package opens the teacher's set by its title, and reports its rounds", async () => {
        const maker = await newPage(browser, { width: 800, height: 900 });
        await maker.goto(new URL('make.html', url).href);
        await maker.getByLabel('Заглавие', { exact: true }).fill('Реки: Европа');
        await maker.getByLabel('Заглавие на лявата колона (ред 1)').fill('Река');
        await maker.getByLabel('Заглавие на дясната колона (ред 1)').fill('Влива се в');
        const pairs = [['Искър', 'Дунав'], ['Камчия', 'Черно море'], ['Струма', 'Бяло море']];
        for (const [i, [left, right]] of pairs.entries()) {
            await maker.getByLabel(`Ляво, ред ${i + 2}`).fill(left);
            await maker.getByLabel(`Дясно, ред ${i + 2}`).fill(right);
        }
        const download = maker.waitForEvent('download');
        await maker.getByRole('button', { name: 'Изтеглете пакет за Moodle (SCORM)' }).click();
        const zip = await download;
        assert.equal(zip.suggestedFilename(), 'Реки- Европа (SCORM).zip');
        const packed = unzipSync(new Uint8Array(readFileSync(await zip.path())));
        await maker.context().close();

        const manifest = strFromU8(packed['imsmanifest.xml']);
        const launch = manifest.match(/adlcp:scormtype="sco" href="([^"]*)"/)[1];
        assert.equal(launch, 'index.html?set=' + encodeURIComponent('Реки- Европа.csv'));
        assert.match(manifest, /<title>Реки- Европа<\/title>/);
        assert.ok(manifest.includes(`<file href="${encodeURI('Реки- Европа.csv')}"/>`));
        assert.deepEqual(Object.keys(packed).filter(name => !(name in files)), ['Реки- Европа.csv']);

        const page = await openInPlatform({}, packed, launch);
        assert.equal(await page.quiz.locator('h1').textContent(), 'Реки- Европа');
        for (const [left, right] of [['Искър', 'Дунав'], ['Камчия', 'Бяло море'], ['Струма', 'Черно море']]) {
            await page.quiz.getByRole('radio', { name: left, exact: true }).click();
            await page.quiz.getByRole('option', { name: right, exact: true }).click();
            await page.quiz.getByRole('button', { name: 'Сравни', exact: true }).click();
        }
        const calls = await callsSettled(page);
        assert.deepEqual(valuesOf(calls, 'cmi.core.score.raw'), ['33.33']);
        assert.deepEqual(valuesOf(calls, 'cmi.interactions.1.student_response'), ['Камчия.Бяло море']);
        await page.context().close();
    });

    test('opened with no platform around it, the page is the quiz alone, with no console error', async () => {
        const page = await newPage(browser);
        const errors = [];
        page.on('console', message => message.type() === 'error' && errors.push(message.text()));
        await page.route(lms + '**', route => {
            const name = decodeURIComponent(new URL(route.request().url()).pathname.slice('/lms/'.length));
            return files[name] ? route.fulfill({ contentType: types[name.split('.').pop()], body: Buffer.from(files[name]) })
                               : route.fulfill({ status: 404 });
        });
        await page.goto(lms + 'index.html');
        await page.getByRole('radio', { name: 'Норвегия', exact: true }).click();
        await page.getByRole('option', { name: 'Стартинг', exact: true }).click();
        await page.getByRole('button', { name: 'Сравни', exact: true }).click();
        assert.match(await page.getByRole('textbox').inputValue(), /Норвегия : Стартинг е Вярно\n$/);
        assert.deepEqual(errors, []);
        await page.context().close();
    });
});
