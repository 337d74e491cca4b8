// SPDX-License-Identifier: MIT
// Safe by construction: what anyone types stays text, the page runs under a strict policy, asks
// nothing of anyone but its own server and keeps nothing but its service worker's cache.
import { after, before, it } from 'node:test';
import assert from 'node:assert/strict';
import { control, launch, openPage, sizes, startServer } from './harness.mjs';

let server;
let browser;
before(async () => {
    server = await startServer();
    browser = await launch();
});
after(async () => {
    await browser?.close();
    await server?.close();
});

const kHostile = [
    '<img src=x onerror="window.pwned=1">',
    '<script>window.pwned=1</script>',
    '"><svg onload=window.pwned=1>',
    '&lt;b&gt;&amp;',
];

it('keeps markup typed into every box as text', async () => {
    const { context, page, problems } = await openPage(browser, server, sizes[0]);
    await page.getByRole('button', { name: 'Поиск по модели' }).click();
    const boxes = [[control(page, 'txtPower'), control(page, 'optPower')],
        [control(page, 'txtCurrent'), control(page, 'optCurrent')],
        [control(page, 'txtModel', 'frmFind'), null]];
    for (const text of kHostile) {
        for (const [box, option] of boxes) {
            await option?.check();
            await box.fill(text);
            assert.equal(await box.inputValue(), text);
            if (option) {
                await control(page, 'cmbChoose').click();
                await page.getByRole('button', { name: 'OK' }).click();
            }
        }
    }
    // The list window shows what is typed in its table's cells too.
    await page.getByRole('button', { name: 'Замена по списку' }).click();
    await control(page, 'txtList', 'frmList').fill(kHostile.join('\n'));
    assert.equal(await page.locator('#frmList td').first().textContent(), kHostile[0]);
    assert.equal(await page.evaluate(() => window.pwned), undefined);
    assert.equal(await page.locator('img[src="x"], svg, #selmak script, #frmFind script, #frmList script').count(), 0);
    assert.equal(await control(page, 'lblStatus', 'frmFind').textContent(),
        'В каталоге нет модели, с которой начинается это обозначение');
    assert.deepEqual(problems, []);
    await context.close();
});

it('runs under a strict policy, asks only its own server, and keeps no cookie or storage', async () => {
    const { context, page, requests, problems } = await openPage(browser, server, sizes[0],
        { serviceWorkers: 'allow' });
    const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
    for (const rule of ["default-src 'none'", "script-src 'self' 'wasm-unsafe-eval'", "style-src 'self'",
        "connect-src 'self'", "base-uri 'none'"])
        assert.ok(policy.includes(rule), rule);
    assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'|\*|https?:|data:/);
    // Inline script does not run under the policy: the page's own code needs none.
    await page.evaluate(() => {
        const script = document.createElement('script');
        script.textContent = 'window.inline = 1';
        document.body.append(script);
    });
    assert.equal(await page.evaluate(() => window.inline), undefined);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await control(page, 'cmbAbout').click();
    assert.ok(requests.length > 0);
    for (const url of requests)
        assert.ok(url.startsWith(server.url), url);
    assert.deepEqual(await context.cookies(), []);
    assert.deepEqual(await page.evaluate(async () => [document.cookie, localStorage.length,
        sessionStorage.length, (await indexedDB.databases()).length]), ['', 0, 0, 0]);
    assert.ok(problems.every((problem) => problem.includes('Content Security Policy')), problems.join('\n'));
    await context.close();
});
