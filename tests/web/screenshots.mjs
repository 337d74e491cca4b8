// SPDX-License-Identifier: MIT
// Draws the README's pictures of the web edition in chromium: the main window on a desktop after
// 7.5 kW, the whole page on a phone after the same, the find window after "LC1D18M7" and the list
// window after a bill's cells are pasted.
//   node tests/web/screenshots.mjs FOLDER
import { join } from 'node:path';
import { control, launch, openPage, sizes, startServer } from './harness.mjs';

// Cells of a bill as a spreadsheet puts them on the clipboard.
const kPastedBill = 'Поз.\tОбозначение\tКол.\n1\tLC1D18M7\t2\n2\t3RT2026-1AP00\t1\n'
    + '3\tDILM9-10(230V50HZ)\t4\n4\tКМИ-11811\t2\n5\t7,5 кВт\t1\n6\t12 А\t1\n7\tXYZ-1\t1';

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
            // The list window after three columns of a bill pasted, the second looked up, Moeller
            // chosen; the focus on the table, so that no caret is drawn.
            await page.keyboard.press('Escape');
            await page.getByRole('button', { name: 'Замена по списку' }).click();
            const list = (name) => control(page, name, 'frmList');
            await list('txtColumn').fill('2');
            await list('cboTo').selectOption('Moeller');
            await list('txtList').fill(kPastedBill);
            await list('grdResult').focus();
            await page.locator('#frmList').screenshot({ path: join(folder, 'web-list-Moeller.png') });
        }
        if (problems.length)
            throw new Error(problems.join('\n'));
        await context.close();
    }
} finally {
    await browser.close();
    await server.close();
}
