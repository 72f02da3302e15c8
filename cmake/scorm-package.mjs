// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Zips the folder laid out for learning platforms as their package (SCORM 1.2),
// run by WebSite.cmake:
//   node scorm-package.mjs FOLDER PACKAGE.zip TITLE FFLATE.cjs SCORM-PACKAGE.js
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

const [folder, output, title, fflatePath, packagePath] = process.argv.slice(2);
const require = createRequire(import.meta.url);
const fflate = require(fflatePath);
const { scormPackage } = require(packagePath);

const files = {};
for (const name of readdirSync(folder))
    files[name] = new Uint8Array(readFileSync(join(folder, name)));
writeFileSync(output, scormPackage(fflate, files, title));
