// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How light the quiz is for a school's connection: the bytes a first visit
// transfers with gzip and with brotli as served, the time from navigation to
// the quiz's first paint, cold and warm, on loopback and on an emulated
// 20 Mbit/s line, and the tab's memory. Prints a table; never fails on a
// figure. QUIZ_URL names the served site (scripts/run-web-tests --benchmark).

import { readFileSync } from 'node:fs';
import http from 'node:http';

import { chromium } from 'playwright-core';

const url = process.env.QUIZ_URL;
const runs = Number(process.env.QUIZ_WEB_RUNS ?? 5);
const line = { bitsPerSecond: 20e6, latencyMs: 20 };

const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};

// Marks the moment the form's canvas first holds a painted pixel.
function watchFirstPaint() {
    const look = () => {
        const canvas = document.getElementById('qt-shadow-container')
                           ?.shadowRoot?.querySelector('canvas');
        if (canvas && canvas.width > 0) {
            const pixel = canvas.getContext('2d').getImageData(canvas.width / 2, 2, 1, 1).data;
            if (pixel[3] !== 0) {
                window.quizFirstPaint = performance.now();
                return;
            }
        }
        requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
}

async function launch() {
    return chromium.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
}

async function firstPaint(page) {
    await page.goto(url);
    await page.waitForFunction(() => window.quizFirstPaint !== undefined, null,
                               { timeout: 120000, polling: 50 });
    return page.evaluate(() => window.quizFirstPaint);
}

// One cold visit (empty profile), then warm ones with what it kept.
async function paintTimes(emulated) {
    const browser = await launch();
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.addInitScript(watchFirstPaint);
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
    const cold = await firstPaint(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(async () => (await caches.keys()).length === 1);
    const warm = [];
    for (let i = 0; i < runs; ++i)
        warm.push(await firstPaint(page));
    const memory = await tabMemory(browser);
    await browser.close();
    return { cold, warm: median(warm), memory };
}

// The resident memory of the renderer that holds the tab, once the quiz shows:
// Qt's heap lives in the program's own memory, outside the JavaScript heap.
async function tabMemory(browser) {
    const cdp = await browser.newBrowserCDPSession();
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    const resident = processInfo.filter(process => process.type === 'renderer').map(process => {
        const status = readFileSync(`/proc/${process.id}/status`, 'utf8');
        return 1024 * Number(/VmRSS:\s+(\d+) kB/.exec(status)[1]);
    });
    return Math.max(...resident);
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

// Every file the first visit fetches, including what the worker stores.
async function visitedFiles() {
    const browser = await launch();
    const page = await browser.newPage();
    const files = new Set();
    page.context().on('request', request => files.add(request.url()));
    await page.goto(url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(async () => (await caches.keys()).length === 1);
    await browser.close();
    return [...files].filter(file => file.startsWith(new URL(url).origin));
}

const files = await visitedFiles();
const bytes = {};
for (const encoding of ['identity', 'gzip', 'br']) {
    bytes[encoding] = 0;
    for (const file of files)
        bytes[encoding] += await transferred(file, encoding);
}
const loopback = await paintTimes(false);
const slow = await paintTimes(true);

const mib = value => `${(value / 2 ** 20).toFixed(2)} MiB`;
const ms = value => `${(value / 1000).toFixed(2)} s`;
console.log(`| measure | value | goal |`);
console.log(`|---|---:|---|`);
console.log(`| first visit, uncompressed (${files.length} files) | ${mib(bytes.identity)} | - |`);
console.log(`| first visit, gzip as served | ${mib(bytes.gzip)} | ≤ 3 MiB |`);
console.log(`| first visit, brotli as served | ${mib(bytes.br)} | - |`);
console.log(`| first paint, cold, loopback | ${ms(loopback.cold)} | - |`);
console.log(`| first paint, warm, loopback (median of ${runs}) | ${ms(loopback.warm)} | ≤ 0.5 s |`);
console.log(`| first paint, cold, 20 Mbit/s | ${ms(slow.cold)} | ≤ 2.5 s |`);
console.log(`| first paint, warm, 20 Mbit/s (median of ${runs}) | ${ms(slow.warm)} | ≤ 0.5 s |`);
console.log(`| the tab's renderer, resident once shown | ${mib(loopback.memory)} | - |`);
