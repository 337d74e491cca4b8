// SPDX-License-Identifier: MIT
// The main window in the page, from outside as a person uses it: the same cases as the Qt window's
// tests, at a desktop's size and at a phone's.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { control, launch, openPage, sizes, startServer } from './harness.mjs';

const kPowerWarning = 'Значение мощности должно находиться в пределах (2.3...250 кВт)';
const kCurrentWarning = 'Значение силы тока должно находиться в пределах (6.6...500 A)';

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

const shown = (page, name) => control(page, name).textContent();
const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? null);
const warning = (page) => page.locator('#warning');

async function select(page, mode, text) {
    await control(page, mode === 'power' ? 'optPower' : 'optCurrent').check();
    await control(page, mode === 'power' ? 'txtPower' : 'txtCurrent').fill(text);
    await control(page, 'cmbChoose').click();
}

// Closes the open warning and returns its text, or null when none is open.
async function takeWarning(page) {
    if (!(await warning(page).isVisible()))
        return null;
    const text = await page.locator('#warning-text').textContent();
    await warning(page).getByRole('button', { name: 'OK' }).click();
    await warning(page).waitFor({ state: 'hidden' });
    return text;
}

for (const size of sizes) {
    describe(`the main window on a ${size.name}`, () => {
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

        it('opens in power mode on step 1 with the focus on Выход', async () => {
            await fresh();
            assert.equal(await page.title(), 'Подбор контакторов');
            assert.equal(await page.locator('html').getAttribute('lang'), 'ru');
            assert.equal(await control(page, 'optPower').isChecked(), true);
            assert.equal(await control(page, 'optCurrent').isChecked(), false);
            assert.equal(await control(page, 'txtPower').isEnabled(), true);
            assert.equal(await control(page, 'txtCurrent').isEnabled(), false);
            assert.equal(await control(page, 'txtPower').inputValue(), '');
            assert.equal(await control(page, 'cmbChoose').isEnabled(), true);
            assert.equal(await control(page, 'back').isVisible(), false);
            assert.equal(await control(page, 'far').isVisible(), false);
            assert.equal(await shown(page, 'lblPower'), '4');
            assert.equal(await shown(page, 'lblCurrent'), '8.5');
            assert.equal(await shown(page, 'lblMoeller'), 'DILM9');
            assert.equal(await shown(page, 'lblASKO'), 'ПМ 1-18');
            assert.equal(await focused(page), 'exit');
            assert.equal(await warning(page).isVisible(), false);
            assert.deepEqual(session.problems, []);
        });

        // mode, typed, the power shown, Moeller's model
        const selections = [
            ['power', '7.5', '7.5', 'DILM15'],
            ['power', '7.5 кВт', '7.5', 'DILM15'],
            ['power', '5,5', '5.5', 'DILM12'],
            ['power', '11', '11', 'DILM25'],
            ['power', '4.00005', '5.5', 'DILM12'],
            ['power', '250', '250', 'DIL500'],
            ['current', '6.6', '4', 'DILM9'],
            ['current', '8.8001', '5.5', 'DILM12'],
            ['current', '500', '250', 'DIL500'],
        ];
        for (const [mode, text, power, moeller] of selections) {
            it(`selects ${JSON.stringify(text)} in ${mode} mode`, async () => {
                await fresh();
                await select(page, mode, text);
                assert.equal(await shown(page, 'lblPower'), power);
                assert.equal(await shown(page, 'lblMoeller'), moeller);
                assert.equal(await takeWarning(page), null);
            });
        }

        // mode, typed, the warning
        const outOfRange = [
            ['power', '', kPowerWarning],
            ['power', '2.29', kPowerWarning],
            ['power', '250.0001', kPowerWarning],
            ['power', '-5', kPowerWarning],
            ['power', '1e400', kPowerWarning],
            ['current', '6.59', kCurrentWarning],
            ['current', '501', kCurrentWarning],
        ];
        for (const [mode, text, expected] of outOfRange) {
            it(`warns once, in a modal box, about ${JSON.stringify(text)} in ${mode} mode`, async () => {
                await fresh();
                await select(page, 'power', '30');
                await select(page, mode, text);
                assert.equal(await page.locator('#warning:modal').count(), 1);
                assert.equal(await page.locator('#warning-caption').textContent(), 'selmak-1');
                assert.equal(await warning(page).getByRole('button').count(), 1);
                assert.equal(await focused(page), 'OK');
                assert.equal(await takeWarning(page), expected);
                assert.equal(await takeWarning(page), null);
                assert.equal(await shown(page, 'lblPower'), '30');
            });
        }

        it('closes the warning with Esc and with Enter', async () => {
            await fresh();
            for (const key of ['Escape', 'Enter']) {
                await control(page, 'cmbChoose').click();
                await warning(page).waitFor();
                await page.keyboard.press(key);
                await warning(page).waitFor({ state: 'hidden' });
            }
        });

        it('keeps both texts and the results when the mode changes', async () => {
            await fresh();
            await select(page, 'power', '45');
            await select(page, 'current', '100');
            assert.equal(await shown(page, 'lblPower'), '55');
            await control(page, 'optPower').check();
            assert.equal(await control(page, 'txtPower').isEnabled(), true);
            assert.equal(await control(page, 'txtCurrent').isEnabled(), false);
            assert.equal(await control(page, 'txtPower').inputValue(), '45');
            assert.equal(await control(page, 'txtCurrent').inputValue(), '100');
            assert.equal(await shown(page, 'lblPower'), '55');
            // In current mode only the current is read, whatever the power box holds.
            await control(page, 'optCurrent').check();
            await control(page, 'cmbChoose').click();
            assert.equal(await shown(page, 'lblPower'), '55');
            assert.equal(await takeWarning(page), null);
        });

        it('switches the mode with the arrow keys too', async () => {
            await fresh();
            await control(page, 'optPower').focus();
            await page.keyboard.press('ArrowDown');
            assert.equal(await control(page, 'optCurrent').isChecked(), true);
            assert.equal(await control(page, 'txtPower').isEnabled(), false);
            assert.equal(await control(page, 'txtCurrent').isEnabled(), true);
        });

        it('does not select on Enter in a box', async () => {
            await fresh();
            await control(page, 'txtPower').fill('100');
            await control(page, 'txtPower').press('Enter');
            assert.equal(await shown(page, 'lblPower'), '4');
            assert.equal(await takeWarning(page), null);
        });

        // the focused button, the power shown after Enter, whether About opens
        const enterPresses = [
            ['cmbChoose', '7.5', false],
            ['far', '5.5', false],
            ['cmbAbout', '4', true],
        ];
        for (const [button, power, aboutOpens] of enterPresses) {
            it(`presses ${button} by Enter when it has the focus`, async () => {
                await fresh();
                await control(page, 'txtPower').fill('7.5');
                await control(page, 'Hide').click();
                await control(page, button).focus();
                await page.keyboard.press('Enter');
                assert.equal(await shown(page, 'lblPower'), power);
                assert.equal(await page.locator('#frmAbout[open]').count(), aboutOpens ? 1 : 0);
            });
        }

        if (!size.phone) {
            // The patch covers pixels (80, 296) to (112, 304) of the client area.
            const hotSpot = [
                ['top left corner', 80, 296, true],
                ['bottom right corner', 112, 304, true],
                ['middle', 96, 300, true],
                ['just left', 79, 300, false],
                ['just above', 96, 295, false],
                ['just right', 113, 300, false],
                ['just below', 96, 305, false],
            ];
            for (const [where, x, y, shows] of hotSpot) {
                it(`shows the step buttons on a click at the hot spot's ${where}: ${shows}`, async () => {
                    await fresh();
                    const client = await page.locator('#selmak .client').boundingBox();
                    await page.mouse.click(client.x + x, client.y + y);
                    assert.equal(await control(page, 'back').isVisible(), shows);
                    assert.equal(await control(page, 'far').isVisible(), shows);
                    assert.equal(await shown(page, 'lblPower'), '4');
                });
            }

            it('stands every control at its place, 15 twips to a pixel', async () => {
                await fresh();
                const client = await page.locator('#selmak .client').boundingBox();
                assert.deepEqual([client.width, client.height], [613, 423]);
                // name, left, top, width, height in pixels from the client area's corner
                const places = [
                    ['ID', 32, 24, 177, 25],
                    ['txtPower', 40, 120, 65, 19],
                    ['cmbChoose', 32, 240, 137, 25],
                    ['lblMoeller', 432, 289, 140, 17],
                    ['far', 575, 16, 13, 41],
                ];
                await control(page, 'Hide').click();
                for (const [name, left, top, width, height] of places) {
                    const box = await control(page, name).boundingBox();
                    assert.deepEqual([box.x - client.x, box.y - client.y, box.width, box.height],
                        [left, top, width, height], name);
                }
            });
        } else {
            it('shows the step buttons on a tap on the hidden patch', async () => {
                await fresh();
                await control(page, 'Hide').click();
                assert.equal(await control(page, 'back').isVisible(), true);
            });
        }

        it('steps within the catalogue and reaches row 5 only by stepping', async () => {
            await fresh();
            await control(page, 'Hide').click();
            await control(page, 'back').click();
            assert.equal(await shown(page, 'lblPower'), '4');
            await select(page, 'power', '11');
            await control(page, 'far').click();
            assert.equal(await shown(page, 'lblPower'), '11');
            assert.equal(await shown(page, 'lblDanfoss'), 'CI25');
            for (let i = 0; i < 20; ++i)
                await control(page, 'far').click();
            assert.equal(await shown(page, 'lblPower'), '250');
            assert.equal(await shown(page, 'lblASKO'), '---');
            assert.equal(await control(page, 'txtPower').inputValue(), '11');
            assert.equal(await takeWarning(page), null);
        });

        // Whether the step buttons show, the stops from Выход on, by the browser's own Tab key: after
        // the window's last the focus goes on to the browser's own controls (null), then to the
        // page's entries before the window; Shift+Tab goes from the entries round to the window's
        // last.
        const tabOrders = [
            [false, ['exit', 'txtPower', 'cmbAbout', 'cmbChoose', 'optPower', null, 'find', 'list',
                'about', 'exit'], ['about', 'list', 'find', 'optPower', 'cmbChoose', 'cmbAbout', 'txtPower']],
            [true, ['exit', 'txtPower', 'cmbAbout', 'cmbChoose', 'optPower', null, 'find', 'list',
                'about', 'back', 'far', 'exit'], ['far', 'back', 'about', 'list', 'find', 'optPower',
                'cmbChoose']],
        ];
        for (const [stepButtons, order, backwards] of tabOrders) {
            it(`goes round in the designed tab order, step buttons shown: ${stepButtons}`, async () => {
                await fresh();
                if (stepButtons)
                    await control(page, 'Hide').click();
                await control(page, 'exit').focus();
                const visited = [await focused(page)];
                for (let i = 1; i < order.length; ++i) {
                    await page.keyboard.press('Tab');
                    visited.push(await focused(page));
                }
                assert.deepEqual(visited, order);
                const back = [];
                for (let i = 0; i < backwards.length; ++i) {
                    await page.keyboard.press('Shift+Tab');
                    back.push(await focused(page));
                }
                assert.deepEqual(back, backwards);
            });
        }

        it('names every control for a screen reader', async () => {
            await fresh();
            await assert.doesNotReject(page.getByRole('radio', { name: 'Номинальная мощность', exact: true }).check());
            assert.equal(await page.getByRole('textbox', { name: 'Номинальная сила тока, А' }).count(), 1);
            assert.equal(await page.getByRole('button', { name: 'Подобрать' }).count(), 1);
            assert.equal(await control(page, 'lblMoeller').getAttribute('aria-description'), 'Moeller');
            assert.equal(await control(page, 'lblASKO').getAttribute('aria-description'), 'АСКО');
            // Text, not pixels: the browser's own find reaches every result.
            assert.equal(await page.getByText('DILM9', { exact: true }).count(), 1);
        });

        it('ends on Выход: every window closes and the page says so', async () => {
            await fresh();
            await control(page, 'cmbAbout').click();
            await control(page, 'exit').click();
            assert.equal(await page.locator('#selmak').isVisible(), false);
            assert.equal(await page.locator('#frmAbout[open]').count(), 0);
            assert.match(await page.getByRole('status').textContent(), /Программа завершена/);
        });
    });
}

// The build writes the window into the page for its first paint, and the wasm binds it: what the
// page serves must be what the program leaves on loading, and it takes no input before that.
it('serves the main window as the program leaves it on loading, inert until bound', async () => {
    const session = await openPage(browser, server, sizes[0]);
    const { served, shown, servedInert, shownInert } = await session.page.evaluate(async () => {
        const page = new DOMParser().parseFromString(await (await fetch('./')).text(), 'text/html');
        const state = (root) => [...root.querySelectorAll('#selmak .client > *')].map((element) => ({
            name: element.dataset.name, text: element.textContent, value: element.value ?? null,
            disabled: Boolean(element.disabled), checked: Boolean(element.checked), hidden: element.hidden,
        }));
        return {
            served: state(page), shown: state(document),
            servedInert: page.getElementById('app').inert, shownInert: document.getElementById('app').inert,
        };
    });
    assert.equal(served.length, 53); // controls and lines
    assert.deepEqual(served, shown);
    assert.equal(servedInert, true);
    assert.equal(shownInert, false);
    await session.context.close();
});
