'use strict';
// The page's scripts share one namespace, Jouk; each file adds a part of its own.
var Jouk = globalThis.Jouk ?? (globalThis.Jouk = {});
// Functions that add a part to the page once it stands, each called with the app (90-main.js).
Jouk.extensions = [];

// The page's language and its texts: the translation table built from translations/*.ts (the
// window's own), chosen by the browser's languages, English by default. A text is looked up by
// the context its source names and its English form, as the window's translator looks it up.
Jouk.i18n = (() => {
  const tables = JSON.parse(document.getElementById('jouk-translations').textContent);

  // The first of the browser's languages that has a table, English when one before it is English.
  function chooseLanguage(languages) {
    for (const tag of languages) {
      const base = String(tag).toLowerCase().split(/[-_]/)[0];
      if (base === 'en') return 'en';
      if (Object.hasOwn(tables, base)) return base;
    }
    return 'en';
  }

  const requested = navigator.languages?.length ? navigator.languages : [navigator.language ?? 'en'];
  const language = chooseLanguage(requested);
  const table = tables[language] ?? {};

  // The text in the page's language; a text without a context, or without a translation, as it is.
  function translate(context, text) {
    if (context === null || context === undefined) return text;
    return table[`${context}\u0004${text}`] ?? text;
  }

  // Puts places[0], places[1], … into "%1", "%2", … in one pass; a mark without a place stays.
  function fill(text, places) {
    return text.replace(/%([1-9])/g, (mark, digit) => {
      const k = Number(digit) - 1;
      return k < places.length ? places[k] : mark;
    });
  }

  // A filled message of the module ({context, text, places}) in words.
  function message(m) {
    return fill(translate(m.context, m.text), m.places.map((p) => translate(p.context, p.text)));
  }

  document.documentElement.lang = language;
  return { language, translate, fill, message, chooseLanguage };
})();
