// SPDX-License-Identifier: MIT
// Draws the README's pictures of the web edition in chromium: the main window on a desktop after
// 7.5 kW, the whole page on a phone after the same, and the find window after "LC1D18M7".
//   node tests/web/screenshots.mjs FOLDER
import { join } from 'node:path';
import { control, launch, openPage, sizes, startServer } from './harness.mjs';

const folder = process.argv[2];
if (!folder) {
    console.error('usage: node screenshots.mjs FOLDER');
    process.exit(2);
}
const server = await startServer();
const browser = await launch();
try {
    for (const size of sizes) {
        const { context, page, problems } = await openPage(browser, server, size);
        await control(page, 'txtPower').fill('7.5');
        await control(page, 'cmbChoose').click();
        await control(page, 'exit').focus();
        if (size.phone) {
            await page.screenshot({ path: join(folder, 'web-phone-7.5kW.png'), fullPage: true });
        } else {
            await page.locator('#app').screenshot({ path: join(folder, 'web-main-7.5kW.png') });
            await page.getByRole('button', { name: 'Поиск по модели' }).click();
            await page.keyboard.type('LC1D18M7');
            // The find window stands out of the page's frame on the right: the picture holds both.
            const app = await page.locator('#app').boundingBox();
            const find = await page.locator('#frmFind').boundingBox();
            const right = Math.ceil(Math.max(app.x + app.width, find.x + find.width + 16));
            await page.screenshot({
                path: join(folder, 'web-find-LC1D18M7.png'),
                clip: { x: app.x, y: app.y, width: right - app.x, height: app.height },
            });
        }
        if (problems.length)
            throw new Error(problems.join('\n'));
        await context.close();
    }
} finally {
    await browser.close();
    await server.close();
}
