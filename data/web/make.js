// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The set maker: the fields a teacher fills, judged after every change by
// the quiz's own reader and checks (parliament-quiz-maker, in C++), and what
// she gets for a good set: the link, its QR code, the file, and the package
// for learning platforms. Every text goes into the page as text, never as
// markup.
'use strict';

(() => {
    const most = 12;
    const $ = id => document.getElementById(id);
    const rows = $('rows');
    const pairInputs = () => [...rows.querySelectorAll('input.pair')];
    let fileUrl = null;
    let set = null; // the ready set's file, { name, bytes }
    let pending = '';
    let pendingName = '';

    const addRow = () => {
        const count = rows.children.length; // the headings' row is row 1
        if (count > most)
            return null;
        const row = document.createElement('tr');
        const number = document.createElement('th');
        number.scope = 'row';
        number.textContent = String(count + 1);
        row.append(number);
        for (const side of ['Ляво', 'Дясно']) {
            const cell = document.createElement('td');
            const input = document.createElement('input');
            input.className = 'pair';
            input.autocomplete = 'off';
            input.setAttribute('aria-label', side + ', ред ' + (count + 1));
            cell.append(input);
            row.append(cell);
        }
        rows.append(row);
        $('add-row').disabled = rows.children.length > most;
        return row;
    };
    const ensureRows = count => {
        while (rows.children.length - 1 < count && addRow())
            ;
    };

    const fields = () => [$('title'), $('left-heading'), $('right-heading'), ...pairInputs()];
    const drawQr = address => {
        const code = qrcode(0, 'M');
        code.addData(address);
        code.make();
        const modules = code.getModuleCount();
        const canvas = $('qr');
        const scale = Math.max(4, Math.floor(480 / (modules + 8)));
        canvas.width = canvas.height = (modules + 8) * scale;
        const paint = canvas.getContext('2d');
        paint.fillStyle = '#fff';
        paint.fillRect(0, 0, canvas.width, canvas.height);
        paint.fillStyle = '#000';
        for (let r = 0; r < modules; ++r)
            for (let c = 0; c < modules; ++c)
                if (code.isDark(r, c))
                    paint.fillRect((c + 4) * scale, (r + 4) * scale, scale, scale);
    };

    let said = '';
    const tell = text => {
        // Said once for each new problem, not at every key.
        if (text !== said)
            $('problem').textContent = said = text;
    };

    window.Module = {
        maker: {
            fieldCount: () => fields().length,
            field: index => index === -1 ? pending : index === -2 ? pendingName
                                                                 : fields()[index].value,
            setField: (index, text) => {
                ensureRows(Math.ceil((index - 2) / 2));
                fields()[index].value = text;
            },
            showProblem: text => {
                tell('Наборът още не е готов: ' + text + '.');
                $('result').hidden = true;
            },
            showSet: (link, file) => {
                tell('Наборът е готов.');
                const address = new URL('index.html#' + link, location.href).href;
                $('play').href = address;
                $('link').value = address;
                if (fileUrl)
                    URL.revokeObjectURL(fileUrl);
                fileUrl = URL.createObjectURL(new Blob([file], { type: 'text/csv' }));
                $('download').href = fileUrl;
                // The package's page opens its set by this name, beside it: a
                // plain name (page.js), which the quiz takes as its title.
                set = { name: ($('title').value.trim() || 'набор').replace(/[\\/:?#]/g, '-')
                                  .replace(/^\.+/, '') + '.csv', bytes: file };
                $('download').download = set.name;
                drawQr(address);
                $('result').hidden = false;
            },
        },
        postRun: () => {
            $('maker').addEventListener('input', event => {
                if (event.target.id === 'paste') {
                    // Two columns at least: a tab between them, as a spreadsheet copies them.
                    if (!event.target.value.includes('\t'))
                        return;
                    pending = event.target.value;
                    event.target.value = '';
                    Module._quizMakerPaste();
                } else if (event.target.id !== 'open') {
                    Module._quizMakerCheck();
                }
            });
            $('open').addEventListener('change', async () => {
                const file = $('open').files[0];
                if (!file)
                    return;
                const bytes = new Uint8Array(await file.arrayBuffer()).subarray(0, 64 * 1024 + 1);
                let binary = '';
                for (let i = 0; i < bytes.length; i += 0x8000)
                    binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
                pending = btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
                pendingName = file.name;
                Module._quizMakerOpen();
            });
            Module._quizMakerCheck();
        },
    };

    $('add-row').addEventListener('click', () => addRow()?.querySelector('input').focus());
    $('copy').addEventListener('click', () => navigator.clipboard?.writeText($('link').value));

    // The site's own package with this set as the one it opens; its zip
    // writer is fetched only by a teacher who asks for one.
    const script = name => new Promise((resolve, reject) => {
        const element = document.createElement('script');
        element.src = name;
        element.onload = resolve;
        element.onerror = reject;
        document.head.append(element);
    });
    let packing = false;
    $('package').addEventListener('click', async () => {
        // Pressed again while a package is being made: that one comes.
        if (packing)
            return;
        packing = true;
        const made = set;
        try {
            if (!window.quizScorm)
                await Promise.all([script('fflate.js'), script('scorm-package.js')]);
            const response = await fetch($('package').dataset.base);
            if (!response.ok)
                throw new Error(String(response.status));
            const base = fflate.unzipSync(new Uint8Array(await response.arrayBuffer()));
            const title = made.name.slice(0, -'.csv'.length);
            const zip = quizScorm.scormPackage(fflate, base, title, made);
            const link = document.createElement('a');
            link.href = URL.createObjectURL(new Blob([zip], { type: 'application/zip' }));
            link.download = title + ' (SCORM).zip';
            link.click();
            setTimeout(() => URL.revokeObjectURL(link.href), 60 * 1000);
        } catch {
            tell('Пакетът не можа да се направи. Проверете връзката с интернет и опитайте отново.');
        } finally {
            packing = false;
        }
    });
    for (let i = 0; i < 3; ++i)
        addRow();
    const program = document.createElement('script');
    program.src = 'parliament-quiz-maker.js';
    program.onerror = () => tell('Страницата не можа да се зареди. Заредете я отново.');
    document.body.append(program);
})();
