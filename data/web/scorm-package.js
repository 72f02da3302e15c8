// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The package a learning platform takes (SCORM 1.2): the quiz's page and its
// files, with the manifest that names them, zipped with fflate. The build
// makes one for the built-in quiz (cmake/scorm-package.mjs), the set maker
// one for a teacher's set, from that one: both write it here.
'use strict';

(root => {
    const escaped = text => text.replace(/[&<>"']/g, letter => '&#' + letter.charCodeAt(0) + ';');
    const address = name => encodeURI(name).replace(/[?#]/g, encodeURIComponent);

    // One organisation of one item, the quiz's page, launched with `query`.
    const manifest = (title, names, query) => `<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="org.example.parliament_quiz"
    xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
    xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
    xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
    xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="quiz">
    <organization identifier="quiz">
      <title>${escaped(title)}</title>
      <item identifier="round" identifierref="page" isvisible="true">
        <title>${escaped(title)}</title>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="page" type="webcontent" adlcp:scormtype="sco" href="index.html${escaped(query)}">
${names.map(name => `      <file href="${escaped(address(name))}"/>\n`).join('')}    </resource>
  </resources>
</manifest>
`;

    // The same bytes from the same files, whenever they are zipped.
    const madeOn = new Date(2026, 0, 1);

    // `files` maps each name to its bytes; `set`, if given, is a teacher's
    // set file ({ name, bytes }) that the page opens instead of its own.
    const scormPackage = (fflate, files, title, set) => {
        const entries = { ...files };
        delete entries['imsmanifest.xml'];
        let query = '';
        if (set) {
            entries[set.name] = set.bytes;
            query = '?set=' + encodeURIComponent(set.name);
        }
        const names = Object.keys(entries).sort();
        entries['imsmanifest.xml'] = new TextEncoder().encode(manifest(title, names, query));
        return fflate.zipSync(entries, { level: 9, mtime: madeOn });
    };

    const api = { scormPackage };
    if (typeof module === 'object')
        module.exports = api;
    else
        root.quizScorm = api;
})(this);
