// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's quiz weighed against its floor, the same form as a static
// page with a few lines of script (bench/web-floor/), in one run: what a
// first visit downloads (the offline copy included), the first paint of
// cold visits on loopback and on an emulated 20 Mbit/s line with 20 ms
// latency, and how much the tab's renderer grows over an empty tab.
// Medians of QUIZ_WEB_RUNS cold visits (5). Prints a table; never fails on a
// figure. QUIZ_URL and QUIZ_FLOOR_URL name the two pages
// (scripts/run-web-tests --benchmark).

import { readFileSync } from 'node:fs';
import http from 'node:http';

import { launchChromium } from './page.mjs';

const pages = { quiz: process.env.QUIZ_URL, floor: process.env.QUIZ_FLOOR_URL };
const runs = Number(process.env.QUIZ_WEB_RUNS ?? 5);
const line = { bitsPerSecond: 20e6, latencyMs: 20 };

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The resident memory of the renderer that holds the context's one tab.
async function rendererMemory(browser) {
    const cdp = await browser.newBrowserCDPSession();
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    await cdp.detach();
    const resident = processInfo.filter(process => process.type === 'renderer').map(process => {
        const status = readFileSync(`/proc/${process.id}/status`, 'utf8');
        return 1024 * Number(/VmRSS:\s+(\d+) kB/.exec(status)[1]);
    });
    return Math.max(...resident);
}

// One cold visit in a fresh browser: the first contentful paint (the form's
// first text), and the renderer's growth over the same tab when empty.
async function coldVisit(address, emulated) {
    const browser = await launchChromium();
    try {
        const context = await browser.newContext();
        const page = await context.newPage();
        await page.goto('about:blank');
        await page.waitForTimeout(300);
        const empty = await rendererMemory(browser);
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
        const grown = (await rendererMemory(browser)) - empty;
        return { paint, grown };
    } finally {
        await browser.close();
    }
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
    for (let run = 0; run < runs; ++run) {
        loopback.push(await coldVisit(address, false));
        slow.push(await coldVisit(address, true));
    }
    results[name] = {
        download: await firstVisitBytes(address),
        paint: median(loopback.map(visit => visit.paint)),
        slowPaint: median(slow.map(visit => visit.paint)),
        grown: median(loopback.map(visit => visit.grown)),
    };
}

const { quiz, floor } = results;
const kb = bytes => `${(bytes / 1000).toFixed(1)} KB`;
const ms = value => `${Math.round(value)} ms`;
const mib = bytes => `${(bytes / 2 ** 20).toFixed(1)} MiB`;
const ratio = (a, b) => `${(a / b).toFixed(2)}×`;
console.log(`| measure (median of ${runs} cold visits) | quiz | floor | quiz / floor | goal |`);
console.log('|---|---:|---:|---:|---|');
console.log(`| first visit, gzip as served (${quiz.download.files} and ${floor.download.files} files) `
            + `| ${kb(quiz.download.bytes)} | ${kb(floor.download.bytes)} | - | ≤ 100 KB |`);
console.log(`| first paint, loopback | ${ms(quiz.paint)} | ${ms(floor.paint)} `
            + `| ${ratio(quiz.paint, floor.paint)} | ≤ 1.5× |`);
console.log(`| first paint, 20 Mbit/s, 20 ms | ${ms(quiz.slowPaint)} | ${ms(floor.slowPaint)} `
            + `| ${ratio(quiz.slowPaint, floor.slowPaint)} | ≤ 1.5× |`);
console.log(`| the tab's renderer over an empty tab | ${mib(quiz.grown)} | ${mib(floor.grown)} `
            + `| ${ratio(quiz.grown, floor.grown)} | ≤ 1.5× |`);
