// SPDX-License-Identifier: MIT
// The list window in the page: how it opens, and its binding to the browser: one paste, one copy
// (and the box it leaves where the clipboard is refused), one open and save round trip through the
// browser's file chooser and a download, both intercepted. What the table holds is the form's,
// tested natively.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
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

const list = (page, name) => control(page, name, 'frmList');
const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? null);
const desktop = sizes.find((size) => !size.phone);

async function openList(page) {
    await page.getByRole('button', { name: 'Замена по списку' }).click();
    await page.locator('#frmList[open]').waitFor();
}

// The table as a screen reader reads it, once the page has drawn its next frame, in which the
// table writes its rows: each row's cells, the heading first.
async function tableRows(page) {
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn))));
    return page.locator('#frmList table').evaluate((table) =>
        [...table.querySelectorAll('tr:not(.spacer)')].map((row) =>
            [...row.cells].map((cell) => cell.textContent)));
}

describe('the list window', () => {
    let session;
    let page;
    async function fresh(size = desktop) {
        await session?.context.close();
        session = await openPage(browser, server, size);
        page = session.page;
        await session.context.grantPermissions(['clipboard-read', 'clipboard-write']);
    }
    after(async () => {
        await session?.context.close();
    });

    for (const size of sizes) {
        it(`opens from the page's entry on a ${size.name}, focused on its box, one at a time`, async () => {
            await fresh(size);
            await openList(page);
            // On a phone the window covers the page, as every dialog that does not fit does.
            if (!size.phone)
                await openList(page);
            assert.equal(await page.locator('#frmList').count(), 1);
            assert.equal(await page.locator('#frmList-caption').textContent(), 'Замена по списку');
            assert.equal(await page.locator('#frmList:modal').count(), 0);
            assert.equal(await focused(page), 'txtList');
            assert.equal(await page.getByRole('textbox', { name: 'Обозначения, мощности или токи' }).count(), 1);
            assert.equal(await page.getByRole('combobox', { name: 'Производитель' }).inputValue(), 'Все производители');
            assert.equal(await page.getByRole('table', { name: 'Результаты' }).count(), 1);
            assert.equal(await list(page, 'lblStatus').textContent(), 'Строк: 0, найдено: 0, не найдено: 0');
            await page.keyboard.press('Escape');
            await page.locator('#frmList').waitFor({ state: 'detached' });
        });
    }

    it('fills the table as twenty part numbers are pasted with their quantities', async () => {
        await fresh();
        await openList(page);
        const pasted = Array.from({ length: 20 }, (_, i) => `${i % 2 ? 'LC1D18M7' : 'DILM9-10'}\t${i}`).join('\n');
        await page.evaluate((text) => navigator.clipboard.writeText(text), pasted);
        await list(page, 'txtList').focus();
        await page.keyboard.press('Control+V');
        const rows = await tableRows(page);
        assert.equal(rows.length, 21);
        assert.deepEqual(rows[2].slice(0, 5), ['LC1D18M7', '1', '3', '7.5', '15.2']);
        assert.equal(await page.locator('#frmList table').getAttribute('aria-rowcount'), '21');
        assert.equal(await list(page, 'lblStatus').textContent(), 'Строк: 20, найдено: 20, не найдено: 0');
    });

    it('writes only the rows in view of a long list, and the rest as they scroll into view', async () => {
        await fresh();
        await openList(page);
        // As a paste puts it in: playwright's fill would type it.
        await list(page, 'txtList').evaluate((box) => {
            box.value = Array.from({ length: 10000 }, (_, i) => `XYZ-${i}`).join('\n');
            box.dispatchEvent(new Event('input'));
        });
        assert.equal(await list(page, 'lblStatus').textContent(), 'Строк: 10000, найдено: 0, не найдено: 10000');
        assert.ok((await tableRows(page)).length < 60);
        await list(page, 'grdResult').evaluate((region) => { region.scrollTop = region.scrollHeight; });
        await page.waitForFunction(() => document.querySelector('#frmList tr[aria-rowindex="10001"]'));
        assert.equal((await tableRows(page)).at(-1)[0], 'XYZ-9999');
    });

    it('copies the table as tab-separated text', async () => {
        await fresh();
        await openList(page);
        await list(page, 'cboTo').selectOption('Moeller');
        await list(page, 'txtList').fill('LC1D18\nXYZ-1');
        await list(page, 'cmdCopy').click();
        await page.waitForFunction(async () => (await navigator.clipboard.readText()).startsWith('Строка'));
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
            'Строка\tСтупень\tкВт\tА\tMoeller\tMoeller сегодня\tПримечание\r\n'
            + 'LC1D18\t3\t7.5\t15.2\tDILM15\tDILM15\t\r\n'
            + 'XYZ-1\t\t\t\t\t\tВ каталоге нет модели, с которой начинается это обозначение\r\n');
    });

    it('leaves the copy selected in a box where the browser refuses the clipboard', async () => {
        await fresh();
        await page.evaluate(() => {
            navigator.clipboard.writeText = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
        });
        await openList(page);
        await list(page, 'txtList').fill('LC1D18');
        await list(page, 'cmdCopy').click();
        const box = page.getByRole('textbox', { name: 'Таблица для копирования: Ctrl+C' });
        await box.waitFor();
        assert.match(await box.inputValue(), /^Строка\tСтупень\t/);
        assert.deepEqual(await box.evaluate((area) => [document.activeElement === area, area.selectionStart,
            area.selectionEnd === area.value.length]), [true, 0, true]);
    });

    // A bill as Russian Excel saves "CSV (разделители – запятые)": Windows-1251 with ';'.
    it('saves an opened bill back byte for byte in its own columns, the answer after them', async () => {
        await fresh();
        await openList(page);
        await list(page, 'txtColumn').fill('2');
        const bill = Buffer.from([
            ...Buffer.from([0xCF, 0xEE, 0xE7]), ...Buffer.from('.;'), ...Buffer.from([0xCA, 0xEE, 0xE4]),
            ...Buffer.from(';'), ...Buffer.from([0xCA, 0xEE, 0xEB]), ...Buffer.from('.\r\n1;LC1D18M7;2\r\n2;'),
            ...Buffer.from([0xCA, 0xCC, 0xC8]), ...Buffer.from('-11811;1\r\n'),
        ]);
        const chooser = page.waitForEvent('filechooser');
        await list(page, 'cmdOpen').click();
        await (await chooser).setFiles({ name: 'bom.csv', mimeType: 'text/csv', buffer: bill });
        await page.waitForFunction(() => document.querySelector('#frmList [data-name="txtList"]').value !== '');
        assert.equal(await list(page, 'txtList').inputValue(), 'Поз.\tКод\tКол.\n1\tLC1D18M7\t2\n2\tКМИ-11811\t1\n');
        assert.deepEqual((await tableRows(page))[0].slice(0, 3), ['Поз.', 'Код', 'Кол.']);
        const download = page.waitForEvent('download');
        await list(page, 'cmdSave').click();
        assert.equal((await download).suggestedFilename(), 'bom-замена.csv');
        const saved = await readFile(await (await download).path());
        const lines = saved.toString('latin1').split('\r\n');
        const own = bill.toString('latin1').split('\r\n');
        assert.equal(lines.length, own.length);
        for (let i = 0; i + 1 < own.length; ++i)
            assert.ok(lines[i].startsWith(`${own[i]};`), lines[i]);
        assert.ok(lines[1].startsWith('1;LC1D18M7;2;3;7.5;15.2;'));
        assert.deepEqual(session.problems, []);
    });
});
