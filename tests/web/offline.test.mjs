// SPDX-License-Identifier: MIT
// After the first visit the page works with the network cut: its service worker serves the page's
// own files from its cache.
import { after, it } from 'node:test';
import assert from 'node:assert/strict';
import { answering, control, launch, openPage, sizes, startServer } from './harness.mjs';

let browser;
after(async () => {
    await browser?.close();
});

it('loads a second time, and works, with the server gone and the network cut', async () => {
    const server = await startServer();
    browser = await launch();
    const { context, page, problems } = await openPage(browser, server, sizes[0], { serviceWorkers: 'allow' });
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller)
            await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    });
    await server.close();
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector(answering);
    await control(page, 'txtPower').fill('7.5');
    await control(page, 'cmbChoose').click();
    assert.equal(await control(page, 'lblMoeller').textContent(), 'DILM15');
    await control(page, 'cmbAbout').click();
    assert.equal(await control(page, 'Picture1', 'frmAbout').evaluate((image) => image.complete && image.naturalWidth), 91);
    assert.deepEqual(problems, []);
    await context.close();
});
