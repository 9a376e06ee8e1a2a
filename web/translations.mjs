// Converts Qt Linguist files (translations/*.ts) into the page's translation table, one JSON
// object: {"de": {"<context>\u0004<source>": "<translation>", …}, "tr": {…}}. The language is the
// file's own (<TS language="de">). Unfinished, vanished and obsolete entries are left out, as
// lrelease leaves them out of the window's translations.
//   node translations.mjs OUT.json A.ts B.ts …
import { readFileSync, renameSync, writeFileSync } from 'node:fs';

const kEntities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

// The text of an XML element's content: entities and character references resolved.
function unescape(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name[0] === '#') {
      const code = name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
      return String.fromCodePoint(code);
    }
    return kEntities[name] ?? whole;
  });
}

// The messages of one file: { language, table }.
export function readTs(xml) {
  const language = /<TS[^>]*\slanguage="([^"]+)"/.exec(xml)?.[1];
  if (!language) throw new Error('a .ts file without a language');
  const table = {};
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const context = unescape(/<name>([\s\S]*?)<\/name>/.exec(body)?.[1] ?? '');
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation(\s[^>]*)?>([\s\S]*?)<\/translation>/.exec(message);
      if (!source || !translation) continue;
      if (/type="(unfinished|vanished|obsolete)"/.test(translation[1] ?? '')) continue;
      if (translation[2] === '') continue;
      table[`${context}\u0004${unescape(source[1])}`] = unescape(translation[2]);
    }
  }
  return { language: language.split(/[_-]/)[0], table };
}

if (process.argv[1] && import.meta.url.endsWith(process.argv[1].split('/').pop())) {
  const [out, ...files] = process.argv.slice(2);
  const all = {};
  for (const file of files) {
    const { language, table } = readTs(readFileSync(file, 'utf8'));
    all[language] = table;
  }
  writeFileSync(`${out}.tmp`, JSON.stringify(all));
  renameSync(`${out}.tmp`, out);
}
