// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The set maker: the fields a teacher fills, judged after every change by
// the quiz's own reader and checks (parliament-quiz-maker, in C++), and what
// she gets for a good set: the link, its QR code and the file. Every text
// goes into the page as text, never as markup.
'use strict';

(() => {
    const most = 12;
    const $ = id => document.getElementById(id);
    const rows = $('rows');
    const pairInputs = () => [...rows.querySelectorAll('input.pair')];
    let fileUrl = null;
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
                $('download').download = ($('title').value.trim() || 'набор') + '.csv';
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
    for (let i = 0; i < 3; ++i)
        addRow();
    const program = document.createElement('script');
    program.src = 'parliament-quiz-maker.js';
    program.onerror = () => tell('Страницата не можа да се зареди. Заредете я отново.');
    document.body.append(program);
})();
