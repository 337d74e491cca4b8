// SPDX-License-Identifier: MIT
// About and the find window in the page, at a desktop's size and at a phone's: the same cases as
// the Qt dialogs' tests.
import { after, before, describe, it } from 'node:test';
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

const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? null);
const about = (page, name) => control(page, name, 'frmAbout');
const find = (page, name) => control(page, name, 'frmFind');

for (const size of sizes) {
    describe(`the dialogs on a ${size.name}`, () => {
        let session;
        let page;
        async function fresh() {
            await session?.context.close();
            session = await openPage(browser, server, size);
            page = session.page;
        }
        after(async () => {
            await session?.context.close();
        });
        async function openAbout() {
            await control(page, 'cmbAbout').click();
            await page.locator('#frmAbout[open]').waitFor();
        }
        async function openFind() {
            await page.getByRole('button', { name: 'Поиск по модели' }).click();
            await page.locator('#frmFind[open]').waitFor();
        }

        it('sets About\'s texts as it loads, beside a usable main window', async () => {
            await fresh();
            await openAbout();
            assert.equal(await page.locator('#frmAbout-caption').textContent(), 'О програме...');
            assert.equal(await about(page, 'lblTitle').textContent(), 'Подбор контакроров.');
            assert.equal(await about(page, 'lblVersion').textContent(), 'Версия 0.9.0');
            assert.equal(await about(page, 'lblURL').textContent(), ' http://www.tarvis.example');
            const lines = (await about(page, 'lblDescription').textContent()).split('\n');
            assert.equal(lines.length, 3);
            assert.match(lines[0], /^Программа помогает/);
            assert.equal(lines[1], 'Разработчик:  ООО "Тарвис"');
            assert.equal(lines[2], 'E-mail:  info@tarvis.example');
            assert.equal(await page.locator('#frmAbout:modal').count(), 0);
            assert.equal(await focused(page), 'cmdOK');
            // The copy of the template loads its image once it is in the page.
            assert.equal(await about(page, 'Picture1').evaluate(async (image) => {
                await image.decode();
                return image.naturalWidth;
            }), 91);
            if (!size.phone) {
                const client = await page.locator('#frmAbout .client').boundingBox();
                assert.deepEqual([client.width, client.height], [380, 211]);
            }
            await control(page, 'txtPower').fill('22');
            await control(page, 'cmbChoose').click();
            assert.equal(await control(page, 'lblPower').textContent(), '22');
        });

        for (const key of ['Enter', 'Escape', 'Space']) {
            it(`closes About by ${key} and loads it anew on the next request`, async () => {
                await fresh();
                await openAbout();
                await page.keyboard.press(key);
                await page.locator('#frmAbout').waitFor({ state: 'detached' });
                await openAbout();
                assert.equal(await page.locator('#frmAbout-caption').textContent(), 'О програме...');
                assert.equal(await about(page, 'lblTitle').textContent(), 'Подбор контакроров.');
            });
        }

        it('keeps one About dialog at most, and its close box closes it', async () => {
            await fresh();
            await openAbout();
            await page.getByRole('button', { name: 'О программе' }).first().click();
            await openAbout();
            assert.equal(await page.locator('#frmAbout').count(), 1);
            await page.locator('#frmAbout').getByRole('button', { name: 'Закрыть' }).click();
            await page.locator('#frmAbout').waitFor({ state: 'detached' });
        });

        for (const how of ['click', 'Enter']) {
            it(`opens the fixed address in a new tab from About's link by ${how}, and stays open`, async () => {
                await fresh();
                await openAbout();
                const link = about(page, 'lblURL');
                assert.equal(await link.getAttribute('href'), 'http://www.tarvis.example/');
                const tab = session.context.waitForEvent('page');
                if (how === 'click')
                    await link.click();
                else
                    await link.press('Enter');
                await (await tab).waitForLoadState();
                assert.deepEqual(session.opened, ['http://www.tarvis.example/']);
                assert.equal(await (await tab).evaluate(() => window.opener), null);
                assert.equal(await page.locator('#frmAbout[open]').count(), 1);
            });
        }

        it('goes from About\'s button to its picture and its link by the browser\'s Tab', async () => {
            await fresh();
            await openAbout();
            const visited = [await focused(page)];
            for (let i = 0; i < 2; ++i) {
                await page.keyboard.press('Tab');
                visited.push(await focused(page));
            }
            assert.deepEqual(visited, ['cmdOK', 'Picture1', 'lblURL']);
            assert.equal(await page.getByRole('link', { name: 'http://www.tarvis.example' }).count(), 1);
        });

        it('opens the find window from the page\'s entry, focused on its box, one at a time', async () => {
            await fresh();
            await openFind();
            await openFind();
            assert.equal(await page.locator('#frmFind').count(), 1);
            assert.equal(await page.locator('#frmFind-caption').textContent(), 'Поиск по модели');
            assert.equal(await page.locator('#frmFind:modal').count(), 0);
            assert.equal(await focused(page), 'txtModel');
            assert.equal(await find(page, 'lblStatus').textContent(), '');
            assert.equal(await page.getByRole('option').count(), 0);
        });

        // typed, the lines listed, the status
        const searches = [
            ['LC1D18', ['Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А',
                'Telemecanique  LC1D18  —  ступень 4: 11 кВт, 21.7 А'], 'Найдено моделей: 2'],
            ['XYZ-1', [], 'В каталоге нет модели, с которой начинается это обозначение'],
            ['- / .', [], 'В обозначении нет ни букв, ни цифр'],
        ];
        for (const [text, lines, status] of searches) {
            it(`lists what ${JSON.stringify(text)} names as it is typed`, async () => {
                await fresh();
                await openFind();
                await page.keyboard.type(text);
                assert.deepEqual(await page.getByRole('option').allTextContents(), lines);
                assert.equal(await find(page, 'lblStatus').textContent(), status);
                if (lines.length)
                    assert.equal(await page.getByRole('option', { selected: true }).textContent(), lines[0]);
            });
        }

        it('calls a code that only begins models a list of candidates', async () => {
            await fresh();
            await openFind();
            await page.keyboard.type('LC1D1');
            assert.match(await find(page, 'lblStatus').textContent(), /^Это только начало обозначения; подходят модели: \d+$/);
        });

        // LC1D18 is in steps 3 and 4, whose models of today differ.
        for (const [how, select] of [['the arrow down', 'ArrowDown'], ['a click', 'click']]) {
            it(`shows today's models of the selected hit's step, following ${how}`, async () => {
                await fresh();
                await openFind();
                await page.keyboard.type('LC1D18');
                assert.equal(await find(page, 'lblToday').textContent(), 'Сегодня выпускаются:');
                assert.match(await find(page, 'lblTodayModels').textContent(), /Siemens 3RT2018, Eaton DILM15/);
                if (select === 'click') {
                    await page.getByRole('option').nth(1).click();
                } else {
                    await find(page, 'lstHits').focus();
                    await page.keyboard.press(select);
                }
                assert.match(await find(page, 'lblTodayModels').textContent(), /Siemens 3RT2026, Eaton DILM25/);
                assert.equal(await control(page, 'lblPower').textContent(), '4');
            });
        }

        // how the hit is shown, the power and Moeller's model the main window shows then
        const shows = [
            ['Enter on the first hit', [], '7.5', 'DILM15'],
            ['Enter after the arrow down', ['ArrowDown'], '11', 'DILM25'],
            ['Показать after the arrow down', ['ArrowDown', 'cmdShow'], '11', 'DILM25'],
            ['a double-click on the second hit', ['dblclick'], '11', 'DILM25'],
        ];
        for (const [how, steps, power, moeller] of shows) {
            it(`shows a hit's step in the main window by ${how}, and stays open`, async () => {
                await fresh();
                await control(page, 'txtPower').fill('100');
                await openFind();
                await page.keyboard.type('LC1D18');
                if (steps.includes('ArrowDown')) {
                    await page.keyboard.press('Tab');
                    await page.keyboard.press('ArrowDown');
                }
                if (steps.includes('cmdShow'))
                    await find(page, 'cmdShow').click();
                else if (steps.includes('dblclick'))
                    await page.getByRole('option').nth(1).dblclick();
                else
                    await page.keyboard.press('Enter');
                assert.equal(await control(page, 'lblPower').textContent(), power);
                assert.equal(await control(page, 'lblMoeller').textContent(), moeller);
                assert.equal(await control(page, 'txtPower').inputValue(), '100');
                assert.equal(await control(page, 'optPower').isChecked(), true);
                assert.equal(await control(page, 'back').isVisible(), false);
                assert.equal(await page.locator('#frmFind[open]').count(), 1);
            });
        }

        it('closes the find window by Esc and by Закрыть', async () => {
            await fresh();
            await openFind();
            await page.keyboard.press('Escape');
            await page.locator('#frmFind[open]').waitFor({ state: 'detached' });
            await openFind();
            await find(page, 'cmdClose').click();
            await page.locator('#frmFind[open]').waitFor({ state: 'detached' });
        });
    });
}
