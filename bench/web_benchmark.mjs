// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's quiz weighed against its floor, the same form as a static
// page with a few lines of script (bench/web-floor/), in one run: what a
// first visit downloads (the offline copy included), the first paint of
// cold visits on loopback and on an emulated 20 Mbit/s line with 20 ms
// latency, how soon a right pair clicked at once is judged, how much more
// the page's renderer holds than an empty tab's, and, where QUIZ_LIGHTHOUSE
// names Lighthouse's command, its scores with the mobile and desktop presets.
// Medians of QUIZ_WEB_RUNS cold visits (5). Prints a table; never fails on a
// figure. QUIZ_URL and QUIZ_FLOOR_URL name the two pages
// (scripts/run-web-tests --benchmark).

import { readFileSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import http from 'node:http';
import { performance } from 'node:perf_hooks';

import { launchChromium } from './page.mjs';

const pages = { quiz: process.env.QUIZ_URL, floor: process.env.QUIZ_FLOOR_URL };
const runs = Number(process.env.QUIZ_WEB_RUNS ?? 5);
const line = { bitsPerSecond: 20e6, latencyMs: 20 };

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The resident memory of each renderer, by its process id.
async function renderers(browser) {
    const cdp = await browser.newBrowserCDPSession();
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    await cdp.detach();
    const resident = new Map();
    for (const process of processInfo.filter(process => process.type === 'renderer')) {
        const status = readFileSync(`/proc/${process.id}/status`, 'utf8');
        resident.set(process.id, 1024 * Number(/VmRSS:\s+(\d+) kB/.exec(status)[1]));
    }
    return resident;
}

// The renderer that holds `page`: the one that grows when the page takes
// 64 MiB more.
async function rendererOf(browser, page) {
    const before = await renderers(browser);
    await page.evaluate(() => { window.ballast = new Uint8Array(64 * 2 ** 20).fill(1); });
    const after = await renderers(browser);
    const [id, grown] = [...after].map(([id, bytes]) => [id, bytes - (before.get(id) ?? 0)])
                                  .sort((a, b) => b[1] - a[1])[0];
    if (grown < 48 * 2 ** 20)
        throw new Error('no renderer took the page\'s 64 MiB');
    return id;
}

// One cold visit in a fresh browser: the first contentful paint (the form's
// first text).
async function coldVisit(address, emulated) {
    const browser = await launchChromium();
    try {
        const context = await browser.newContext();
        const page = await context.newPage();
        if (emulated) {
            const cdp = await context.newCDPSession(page);
            await cdp.send('Network.enable');
            await cdp.send('Network.emulateNetworkConditions', {
                offline: false,
                latency: line.latencyMs,
                downloadThroughput: line.bitsPerSecond / 8,
                uploadThroughput: line.bitsPerSecond / 8,
            });
        }
        // Nothing of the driver's runs in the page until it has shown: asking
        // while it loads would hold up the very paint being measured.
        await page.goto(address, { waitUntil: 'commit' });
        await new Promise(resolve => setTimeout(resolve, emulated ? 3000 : 1500));
        const paint = await page.evaluate(
            () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime);
        if (paint === undefined || !(await page.locator('#form textarea').first().isVisible()))
            throw new Error(`${address} did not show the form`);
        return paint;
    } finally {
        await browser.close();
    }
}

// A cold visit in which a learner clicks a right pair and "Сравни", each as
// soon as it shows: the time from asking for the page to the verdict logged.
async function judgedVisit(address) {
    const browser = await launchChromium();
    try {
        const page = await (await browser.newContext()).newPage();
        const asked = performance.now();
        await page.goto(address, { waitUntil: 'commit' });
        await page.getByRole('radio', { name: 'Норвегия', exact: true }).click();
        await page.getByRole('option', { name: 'Стартинг', exact: true }).click();
        await page.getByRole('button', { name: 'Сравни', exact: true }).click();
        await page.waitForFunction(() => document.querySelector('#form textarea').value
                                             .includes('Норвегия : Стартинг е Вярно'), null, { polling: 'raf' });
        return performance.now() - asked;
    } finally {
        await browser.close();
    }
}

// How much more the page's renderer holds than one holding an empty tab, in
// the same browser, once the page has been idle a while (its offline copy
// made): what the page itself costs, not a renderer's own base.
async function pageMemory(address) {
    const browser = await launchChromium();
    try {
        const empty = await (await browser.newContext()).newPage();
        await empty.goto('about:blank');
        const page = await (await browser.newContext()).newPage();
        await page.goto(address);
        await page.waitForTimeout(5000);
        const resident = await renderers(browser);
        const [pageRenderer, emptyRenderer] = [await rendererOf(browser, page), await rendererOf(browser, empty)];
        if (pageRenderer === emptyRenderer)
            throw new Error('the page and the empty tab share a renderer');
        return resident.get(pageRenderer) - resident.get(emptyRenderer);
    } finally {
        await browser.close();
    }
}

// Lighthouse's four category scores for the page, with its mobile or
// desktop preset, against Debian's Chromium.
function lighthouse(address, preset) {
    const cli = process.env.QUIZ_LIGHTHOUSE;
    const flags = ['--headless=new', '--disable-gpu', ...(process.getuid?.() === 0 ? ['--no-sandbox'] : [])];
    const { status, stdout, stderr } = spawnSync(process.execPath, [
        cli, address, '--output=json', '--quiet', `--chrome-flags=${flags.join(' ')}`,
        '--only-categories=performance,accessibility,best-practices,seo',
        ...(preset === 'desktop' ? ['--preset=desktop'] : [])],
    { env: { ...process.env, CHROME_PATH: process.env.CHROMIUM ?? '/usr/bin/chromium' },
      encoding: 'utf8', maxBuffer: 64 * 2 ** 20 });
    if (status !== 0)
        throw new Error(`lighthouse failed on ${address}: ${stderr}`);
    const { categories } = JSON.parse(stdout);
    return Object.fromEntries(Object.values(categories).map(category => [category.id, category.score]));
}

function transferred(address, encoding) {
    return new Promise((resolve, reject) => {
        http.get(address, { headers: { 'Accept-Encoding': encoding } }, response => {
            let bytes = 0;
            response.on('data', chunk => { bytes += chunk.length; });
            response.on('end', () => resolve(bytes));
        }).on('error', reject);
    });
}

// Every file a first visit fetches, the offline copy's included, as served gzipped.
async function firstVisitBytes(address) {
    const browser = await launchChromium();
    const page = await browser.newPage();
    const files = new Set();
    page.context().on('request', request => files.add(request.url()));
    await page.goto(address);
    await page.locator('#form textarea').first().waitFor();
    // A page with a worker registers it once idle: given a few seconds.
    const worker = await page.evaluate(async () => {
        for (let tries = 0; tries < 50; ++tries) {
            if (await navigator.serviceWorker.getRegistration())
                return true;
            await new Promise(resolve => setTimeout(resolve, 100));
        }
        return false;
    });
    if (worker) {
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.waitForFunction(async () => (await caches.keys()).length === 1);
    }
    await browser.close();
    let bytes = 0;
    for (const file of files)
        bytes += await transferred(file, 'gzip');
    return { files: files.size, bytes };
}

const results = {};
for (const [name, address] of Object.entries(pages)) {
    const loopback = [];
    const slow = [];
    const judged = [];
    const memory = [];
    for (let run = 0; run < runs; ++run) {
        loopback.push(await coldVisit(address, false));
        slow.push(await coldVisit(address, true));
        judged.push(await judgedVisit(address));
        memory.push(await pageMemory(address));
    }
    results[name] = {
        download: await firstVisitBytes(address),
        paint: median(loopback),
        slowPaint: median(slow),
        judged: median(judged),
        grown: median(memory),
        lighthouse: process.env.QUIZ_LIGHTHOUSE
            ? { mobile: lighthouse(address, 'mobile'), desktop: lighthouse(address, 'desktop') } : null,
    };
}

const { quiz, floor } = results;
const kb = bytes => `${(bytes / 1000).toFixed(1)} KB`;
const ms = value => `${Math.round(value)} ms`;
const mib = bytes => `${(bytes / 2 ** 20).toFixed(1)} MiB`;
const ratio = (a, b) => `${(a / b).toFixed(2)}×`;
const row = (measure, a, b, show, goal) => console.log(`| ${measure} | ${show(a)} | ${show(b)} | ${ratio(a, b)} | ${goal} |`);
console.log(`| measure (median of ${runs} cold visits) | quiz | floor | quiz / floor | goal |`);
console.log('|---|---:|---:|---:|---|');
console.log(`| first visit, gzip as served (${quiz.download.files} and ${floor.download.files} files) `
            + `| ${kb(quiz.download.bytes)} | ${kb(floor.download.bytes)} | - | ≤ 100 KB |`);
row('form shown (first paint), loopback', quiz.paint, floor.paint, ms, '≤ 1.1×');
row('form shown (first paint), 20 Mbit/s, 20 ms', quiz.slowPaint, floor.slowPaint, ms, '≤ 1.1×');
row('a right pair judged, each control clicked as it shows', quiz.judged, floor.judged, ms, '≤ 1.3×');
row("the page's renderer over an empty tab's", quiz.grown, floor.grown, mib, '≤ 1.2×');
if (quiz.lighthouse) {
    console.log('');
    console.log('| Lighthouse 12 | quiz, mobile | floor, mobile | quiz, desktop | floor, desktop |');
    console.log('|---|---:|---:|---:|---:|');
    for (const category of ['performance', 'accessibility', 'best-practices', 'seo'])
        console.log(`| ${category} | ${[quiz.lighthouse.mobile, floor.lighthouse.mobile, quiz.lighthouse.desktop,
                                       floor.lighthouse.desktop].map(scores => scores[category].toFixed(2)).join(' | ')} |`);
}
