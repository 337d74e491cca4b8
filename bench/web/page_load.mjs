// SPDX-License-Identifier: MIT
// The web edition's two figures, in Debian's chromium:
//  1. page load to the first paint of the filled main window, against a static page with the same
//     controls (the program's own page once filled, saved without its script), both served from
//     localhost, loaded in turn in fresh contexts of one browser, first contentful paint of each;
//     and beside it, when the window takes input: the wasm has bound it;
//  2. the page's whole transfer gzipped: every file of the site, and what the first visit fetches.
//   make web && node bench/web/page_load.mjs [ROUNDS]
import { mkdtemp, readdir, readFile, rm, writeFile, cp } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';

process.env.SELMAK_WEB_SITE ??= new URL('../../build/web', import.meta.url).pathname;
process.env.SELMAK_NODE_MODULES ??= new URL('../../build/web-cmake/node/node_modules', import.meta.url).pathname;
const { answering, launch, site, startServer } = await import('../../tests/web/harness.mjs');

const rounds = Number(process.argv[2] ?? 40);

async function files(folder) {
    const found = [];
    for (const entry of await readdir(folder, { withFileTypes: true })) {
        const path = join(folder, entry.name);
        found.push(...(entry.isDirectory() ? await files(path) : [path]));
    }
    return found;
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};

// The static twin: the same site, its page replaced by the filled page as the program left it.
const twin = await mkdtemp(join(tmpdir(), 'selmak-static-'));
await cp(site, twin, { recursive: true });
const server = await startServer(site);
const twinServer = await startServer(twin);
const browser = await launch();
try {
    {
        const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, serviceWorkers: 'block' });
        const page = await context.newPage();
        await page.goto(server.url);
        await page.waitForSelector(answering);
        const html = await page.evaluate(() => {
            document.querySelectorAll('script, meta[http-equiv]').forEach((element) => element.remove());
            return '<!DOCTYPE html>\n' + document.documentElement.outerHTML;
        });
        await writeFile(join(twin, 'index.html'), html);
        await context.close();
    }

    // Marks the moment the window takes input; the page marks nothing itself. The static twin
    // runs the same watch, so that both pay for it.
    function watchAnswer(selector) {
        new MutationObserver((changes, observer) => {
            if (document.querySelector(selector)) {
                performance.mark('answers');
                observer.disconnect();
            }
        }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
    }

    async function load(url) {
        const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, serviceWorkers: 'block' });
        await context.addInitScript(watchAnswer, answering);
        const page = await context.newPage();
        await page.goto(url);
        await page.waitForSelector(answering);
        const times = await page.evaluate(() => new Promise((resolve) => {
            new PerformanceObserver((list) => {
                const entry = list.getEntriesByName('first-contentful-paint')[0];
                if (entry)
                    resolve({ paint: entry.startTime, answers: performance.getEntriesByName('answers')[0]?.startTime });
            }).observe({ type: 'paint', buffered: true });
        }));
        await context.close();
        return times;
    }

    const program = [];
    const answers = [];
    const bare = [];
    for (let i = 0; i < 3; ++i) {
        await load(server.url);
        await load(twinServer.url);
    }
    for (let i = 0; i < rounds; ++i) {
        const times = await load(server.url);
        program.push(times.paint);
        answers.push(times.answers);
        bare.push((await load(twinServer.url)).paint);
    }
    const p = median(program);
    const b = median(bare);
    const a = median(answers);
    console.log(`first paint of the filled window, median of ${rounds}: ${p.toFixed(1)} ms`);
    console.log(`first paint of the static page,   median of ${rounds}: ${b.toFixed(1)} ms`);
    console.log(`program / static page: ${(p / b).toFixed(2)}x`);
    console.log(`the window takes input,           median of ${rounds}: ${a.toFixed(1)} ms (${(a / b).toFixed(2)}x the static page's first paint)`);

    // What the first visit fetches, and the whole site.
    const context = await browser.newContext({ serviceWorkers: 'allow' });
    const page = await context.newPage();
    const fetched = new Set();
    context.on('request', (request) => fetched.add(new URL(request.url()).pathname));
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForTimeout(500);
    await context.close();
    let whole = 0;
    let raw = 0;
    let visit = 0;
    const rows = [];
    for (const path of (await files(site)).sort()) {
        const name = relative(site, path);
        const body = await readFile(path);
        const packed = gzipSync(body, { level: 9 }).length;
        raw += body.length;
        whole += packed;
        if (fetched.has('/' + name) || (name === 'index.html' && fetched.has('/')))
            visit += packed;
        rows.push(`  ${name.padEnd(24)} ${String(body.length).padStart(7)} B  ${String(packed).padStart(7)} B gzipped`);
    }
    console.log(rows.join('\n'));
    console.log(`the whole site: ${raw} B, ${whole} B gzipped (${(whole / 1024).toFixed(1)} KiB)`);
    console.log(`the first visit fetches ${fetched.size} files: ${visit} B gzipped (${(visit / 1024).toFixed(1)} KiB)`);
} finally {
    await browser.close();
    await server.close();
    await twinServer.close();
    await rm(twin, { recursive: true });
}
