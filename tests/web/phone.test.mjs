// SPDX-License-Identifier: MIT
// The page on a phone in portrait, 360 CSS pixels wide: one column, the input first, then the
// results as rows of name and model; no sideways scrolling but a table's, no text under 12
// pixels, no target under 44.
import { after, before, it } from 'node:test';
import assert from 'node:assert/strict';
import { control, launch, openPage, sizes, startServer } from './harness.mjs';

const phone = sizes.find((size) => size.phone);
let server;
let browser;
let session;
before(async () => {
    server = await startServer();
    browser = await launch();
    session = await openPage(browser, server, phone);
});
after(async () => {
    await browser?.close();
    await server?.close();
});

// Everything on show that fails the phone's measures.
function misfits(page) {
    return page.evaluate(() => {
        const found = [];
        const width = document.documentElement.clientWidth;
        if (document.documentElement.scrollWidth > width)
            found.push(`the page is ${document.documentElement.scrollWidth} pixels wide`);
        for (const element of document.querySelectorAll('body *')) {
            if (!element.checkVisibility() || element.closest('[aria-hidden="true"]'))
                continue;
            // A table scrolls sideways inside its region, which must fit.
            if (element.closest('.table > table'))
                continue;
            const box = element.getBoundingClientRect();
            const name = element.dataset.name || element.id || element.className || element.tagName;
            if (box.right > width + 0.5 || box.left < -0.5)
                found.push(`${name} reaches beyond the screen`);
            const ownText = [...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim());
            if ((ownText || element.matches('input')) && parseFloat(getComputedStyle(element).fontSize) < 12)
                found.push(`${name} has text under 12 pixels`);
            const target = element.matches('button, input, a[href], [role="option"], [data-name="Hide"]');
            if (target && (box.width < 44 || box.height < 44))
                found.push(`${name} is a target of ${box.width} by ${box.height} pixels`);
        }
        return found;
    });
}

it('stands the main window in one column: the input first, then the results as rows', async () => {
    const { page } = session;
    const top = async (name) => (await control(page, name).boundingBox()).y;
    assert.ok(await top('txtPower') < await top('txtCurrent'));
    assert.ok(await top('exit') < await top('lblPower'));
    const names = ['lblPower', 'lblCurrent', 'lblDanfoss', 'lblElester', 'lblAEG', 'lblGE_AEG', 'lblGE',
        'lblABB', 'lblTelemecan', 'lblLovato', 'lblSiemens', 'lblMoeller', 'lblSchrack',
        'lblAlien_Brad', 'lblIEK', 'lblASKO'];
    const heads = ['Power1_2', 'markCurrent', 'markDanfoss', 'markElester', 'markAEG', 'markGE_AEG',
        'markGE', 'markABB', 'markTelemecanique', 'markLovato', 'markSiemens', 'markMoeller',
        'markSchrack', 'markAlien_Bradey', 'markIEK', 'markASKO'];
    let previous = 0;
    for (let i = 0; i < names.length; ++i) {
        const model = await control(page, names[i]).boundingBox();
        const head = await control(page, heads[i]).boundingBox();
        assert.equal(Math.round(model.y), Math.round(head.y), `${heads[i]} beside ${names[i]}`);
        assert.ok(head.x + head.width <= model.x + 0.5, `${heads[i]} left of ${names[i]}`);
        assert.ok(model.y > previous, `${names[i]} below the row before`);
        previous = model.y;
    }
    assert.deepEqual(await misfits(page), []);
});

it('fits the step buttons, the warning, About and the find window to the screen', async () => {
    const { page } = session;
    await control(page, 'Hide').click();
    await control(page, 'txtPower').fill('300');
    await control(page, 'cmbChoose').click();
    assert.deepEqual(await misfits(page), []);
    await page.getByRole('button', { name: 'OK' }).click();
    await control(page, 'cmbAbout').click();
    assert.deepEqual(await misfits(page), []);
    await page.keyboard.press('Escape');
    await page.getByRole('button', { name: 'Поиск по модели' }).click();
    await page.keyboard.type('A9');
    assert.deepEqual(await misfits(page), []);
});

it('stands the list window in one column with its table scrolling sideways', async () => {
    const { page } = session;
    await page.keyboard.press('Escape');
    await page.getByRole('button', { name: 'Замена по списку' }).click();
    const list = (name) => control(page, name, 'frmList');
    await list('txtList').fill('Поз.\tОбозначение\tКол.\n1\tLC1D18M7\t2\n2\tXYZ-1\t1');
    assert.deepEqual(await misfits(page), []);
    assert.ok(await list('grdResult').evaluate((region) => region.scrollWidth > region.clientWidth));
    const top = async (name) => (await list(name).boundingBox()).y;
    assert.ok(await top('txtList') < await top('txtColumn'));
    assert.ok(await top('txtColumn') < await top('cboTo'));
    assert.ok(await top('cboTo') < await top('grdResult'));
});
