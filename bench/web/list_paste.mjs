// SPDX-License-Identifier: MIT
// The list window in Debian's chromium, on a bill of 10,000 and of 100,000 rows, as list_bench
// builds it: a paste, from the text going into the box to the next frame drawn, beside the same
// paste into a copy of the box that the program does not listen to (what the browser's own box
// costs); the time the page's handler takes of it; and a key typed at the end of the longer bill,
// in the handler. Medians of ROUNDS each, taken in turn.
//   make web && node bench/web/list_paste.mjs [ROUNDS]
process.env.SELMAK_WEB_SITE ??= new URL('../../build/web', import.meta.url).pathname;
process.env.SELMAK_NODE_MODULES ??= new URL('../../build/web-cmake/node/node_modules', import.meta.url).pathname;
const { launch, openPage, sizes, startServer } = await import('../../tests/web/harness.mjs');

const rounds = Number(process.argv[2] ?? 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function bill(rows) {
    const codes = ['LC1D18M7', '3RT2026-1AP00', 'DILM9-10(230V50HZ)', 'КМИ-11811', '7,5 кВт', '12 А',
        'A26-30-10', 'lc1d32p7', 'AF26-30-00-13', 'XYZ-1', 'CI 16', 'BF09'];
    let text = 'Поз.\tОбозначение\tКол.\n';
    for (let i = 1; i <= rows; ++i)
        text += `${i}\t${codes[i % codes.length]}\t${i % 7 + 1}\n`;
    return text;
}

// In the page: empties the box, waits for a frame, puts the text in as a paste does, and returns
// the handler's time and the time to the next frame drawn. `bare` pastes into a copy of the box.
function paste([text, bare]) {
    const frame = () => new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn)));
    let box = document.querySelector('#frmList [data-name="txtList"]');
    if (bare) {
        box = box.cloneNode();
        box.dataset.name = 'bare';
        document.querySelector('#frmList .client').append(box);
    }
    box.value = '';
    box.dispatchEvent(new Event('input'));
    return frame().then(() => {
        const start = performance.now();
        box.value = text;
        box.dispatchEvent(new Event('input'));
        const handled = performance.now() - start;
        return frame().then(() => {
            const drawn = performance.now() - start;
            if (bare)
                box.remove();
            return [handled, drawn];
        });
    });
}

const server = await startServer();
const browser = await launch();
try {
    const { context, page } = await openPage(browser, server, sizes.find((size) => !size.phone));
    await page.getByRole('button', { name: 'Замена по списку' }).click();
    await page.locator('#frmList[open]').waitFor();
    await page.locator('#frmList [data-name="txtColumn"]').fill('2');
    for (const rows of [10000, 100000]) {
        const text = bill(rows);
        const handled = [];
        const drawn = [];
        const bare = [];
        for (let i = 0; i < rounds; ++i) {
            const [h, d] = await page.evaluate(paste, [text, false]);
            handled.push(h);
            drawn.push(d);
            bare.push((await page.evaluate(paste, [text, true]))[1]);
        }
        console.log(`${rows} rows: a paste ${median(drawn).toFixed(0)} ms to the next frame, `
            + `${median(handled).toFixed(0)} ms of it in the page's handler; `
            + `the same paste into the bare box ${median(bare).toFixed(0)} ms`);
    }
    // A key at the end of the longer bill, as a person types it: the handler's time.
    await page.evaluate(() => {
        const box = document.querySelector('#frmList [data-name="txtList"]');
        box.addEventListener('input', () => { window.keyStart = performance.now(); }, { capture: true });
        box.addEventListener('input', () => { window.keyEnd = performance.now(); });
        box.focus();
        box.setSelectionRange(box.value.length, box.value.length);
    });
    const typed = [];
    for (let i = 0; i < rounds; ++i) {
        for (const key of ['X', 'Backspace']) {
            await page.keyboard.press(key);
            typed.push(await page.evaluate(() => window.keyEnd - window.keyStart));
        }
    }
    console.log(`100000 rows: a key typed at the end ${median(typed).toFixed(1)} ms in the page's handler`);
    await context.close();
} finally {
    await browser.close();
    await server.close();
}
