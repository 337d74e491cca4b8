// SPDX-License-Identifier: MIT
// What every browser test shares: a static server for the built site that can be switched off, and
// Debian's chromium, headless, in a profile of its own, driven by playwright-core.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';

export const site = process.env.SELMAK_WEB_SITE;
const modules = process.env.SELMAK_NODE_MODULES;
if (!site || !modules)
    throw new Error('SELMAK_WEB_SITE and SELMAK_NODE_MODULES must name the site and node_modules');
const { chromium } = await import(pathToFileURL(join(modules, 'playwright-core', 'index.mjs')));

// The page shows the filled window from its first paint and takes input once the wasm has bound it.
export const answering = '#app:not([inert]) #selmak [data-name="lblPower"]:not(:empty)';

export const sizes = [
    { name: 'desktop', viewport: { width: 1024, height: 768 }, phone: false },
    { name: 'phone', viewport: { width: 360, height: 740 }, phone: true },
];

const types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.jpg': 'image/jpeg',
};

// Serves the site on a free port of localhost, as any static web server would.
export async function startServer(root = site) {
    const server = createServer(async (request, response) => {
        const path = new URL(request.url, 'http://localhost').pathname;
        const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
        try {
            const body = await readFile(file);
            response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
    };
}

export function launch() {
    return chromium.launch({
        executablePath: process.env.SELMAK_CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--font-render-hinting=none', '--force-color-profile=srgb', '--hide-scrollbars'],
    });
}

// A page of the site in a context of its own. Every request it makes is recorded, and the
// developer's site is answered here: no test reaches the network.
export async function openPage(browser, server, size, { serviceWorkers = 'block' } = {}) {
    const context = await browser.newContext({ viewport: size.viewport, serviceWorkers, locale: 'ru-RU' });
    const opened = [];
    const requests = [];
    const problems = [];
    await context.route('http://www.tarvis.example/**', (route) => {
        opened.push(route.request().url());
        return route.fulfill({ status: 200, contentType: 'text/html', body: '' });
    });
    context.on('request', (request) => requests.push(request.url()));
    const page = await context.newPage();
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('console', (message) => {
        if (message.type() === 'error')
            problems.push(message.text());
    });
    await page.goto(server.url);
    await page.waitForSelector(answering);
    return { context, page, opened, requests, problems };
}

// A control of a window by its name in the layout table.
export function control(page, name, window = 'selmak') {
    return page.locator(`#${window} [data-name="${name}"]`);
}
